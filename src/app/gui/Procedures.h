#pragma once
// The procedure names the frame starts windows by. A window library
// registers its window under one of these (WindowRegistry.h); the name is
// also the window's section in the window file ORBWin.INI.

namespace velkora::app::procedures {

inline constexpr const char* Settings = "qxPrgSets";
inline constexpr const char* AddressList = "qxAdressMain";
inline constexpr const char* ContactList = "qxTKPList";
inline constexpr const char* ActivityList = "qxAdrAkt";
inline constexpr const char* ReminderList = "RemindList";
inline constexpr const char* Calendar = "Calendar";
inline constexpr const char* DocumentPreparation = "qxPreparePrint";
inline constexpr const char* TranslationList = "TransList";
// The alarm note that the address and contact lists share.
inline constexpr const char* Alarm = "qxShowAlarm";

inline constexpr const char* IndustryList = "qxBranchenListe";
inline constexpr const char* CountryList = "qxLandList";
inline constexpr const char* PlaceListWithStreets = "qxPLZListDEX";
inline constexpr const char* PlaceList = "qxPLZListSTD";
inline constexpr const char* MaterialList = "AttMatList";
inline constexpr const char* MaterialSentList = "AktAttMatList";
inline constexpr const char* MailMergeList = "MailMergeList";
inline constexpr const char* MailMergeSelection = "AdrMMerge";
inline constexpr const char* MailingList = "MailingList";
inline constexpr const char* TemplateService = "TmplService";
// The mail-field picker the template service starts beside Writer.
inline constexpr const char* MailFields = "ShowMailFlds";
inline constexpr const char* DataImport = "DataImport";
inline constexpr const char* DataExport = "DataExport";
// The e-mail window the contact list starts for its selected contact (eMailWin).
inline constexpr const char* Mail = "WriteMail";
// The check list of the exchange file the import wizard and DataExport open.
inline constexpr const char* AdressImportList = "AdressImportList";

} // namespace velkora::app::procedures
