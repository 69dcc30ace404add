#pragma once
// The record layouts of the keyed tables, one struct per table with one
// member per field, named as the field (ADR:NAME1 is Address::NAME1).
//
//   File<Address> adr;              // or files().QXADRESS, the process-wide buffer
//   adr.rec.NAME1 = "Müller GmbH";
//   Address::table().key("QXADRES2")
//
// Value conventions (Schema.h): STRING members without padding blanks,
// dates (LONG and DATE fields) as day numbers, times as clock values.

#include "data/Schema.h"

#include <cstdint>
#include <string>

namespace velkora::data {

// QXADRESS, prefix ADR
struct Address {
    std::string AUSER;
    std::int32_t ADATUM = 0;
    std::string AUHR;
    std::uint8_t STATUS = 0;
    std::uint8_t KLASSE = 0;
    std::uint8_t ADRART = 0;
    std::int32_t ADRNR = 0;
    std::string AUXID;
    std::string NAME0;
    std::string NAME1;
    std::string NAME2;
    std::string BRANR;
    std::string ZUSATZ;
    std::string URL;
    std::string LD;
    std::string LAND;
    std::string PLZ;
    std::string POSTFACH;
    std::string POSTFPLZ;
    std::string ORT;
    std::string STRASSE;
    std::string BEMERK;
    std::string ALARM;
    std::string BRANCHE;
    std::string MERKM;
    double MERKN = 0;
    std::string USTID;
    std::int32_t USRID = 0;
    std::uint8_t ANZDRUCK = 0;
    std::uint8_t NODOCS = 0;
    std::uint8_t NOFAX = 0;
    std::uint8_t NOMAIL = 0;
    std::int32_t EKONT = 0;
    std::int32_t LKONT = 0;
    std::string BLZ;
    std::string BANK;
    std::string KTONR;
    std::string ADRGRP;
    std::string MEMO;
    static const TableDef& table();
};

// QXADRTKP, prefix TKP
struct ContactPerson {
    std::string AUSER;
    std::int32_t ADATUM = 0;
    std::string AUHR;
    std::int32_t ADRNR = 0;
    std::int32_t TKPNR = 0;
    std::string AUXID;
    std::uint8_t KTART = 0;
    std::uint8_t STATUS = 0;
    std::string NAME0;
    std::string NAME1;
    std::string NAME2;
    std::string ABTPOS;
    std::string TEL;
    std::string FAX;
    std::string TFX;
    std::string EMAIL;
    std::string ZUSATZ;
    std::string BRANR;
    std::string MERKM;
    std::uint8_t BDD = 0;
    std::uint8_t BMM = 0;
    std::uint16_t BYY = 0;
    std::string ALARM;
    std::uint8_t NOFAX = 0;
    std::uint8_t NOMAIL = 0;
    std::string BEMERK;
    std::string MEMO;
    static const TableDef& table();
};

// QXADRAKT, prefix AKT
struct Activity {
    std::string AUSER;
    std::int32_t ADATUM = 0;
    std::string AUHR;
    std::uint8_t RECLOCK = 0;
    std::int32_t AKTID = 0;
    std::int32_t ADRNR = 0;
    std::int32_t TKPNR = 0;
    std::string AUXID;
    std::uint8_t AKTART = 0;
    std::uint8_t AKTPRI = 0;
    std::uint8_t STATUS = 0;
    std::int32_t DATUM = 0;
    std::int32_t UHR = 0;
    std::string DOCNAME;
    std::string TITLE;
    std::string BEMERK;
    std::string ALARM;
    std::string AKTDEV;
    std::int32_t EUSRID = 0;
    std::int32_t EDATUM = 0;
    std::uint8_t ERLIST = 0;
    std::uint8_t ETAGE = 0;
    std::string MEMO;
    static const TableDef& table();
};

// QXADRLND, prefix LND
struct Country {
    std::string LD;
    std::string LAND;
    std::string VORWAHL;
    static const TableDef& table();
};

// QXADRORT, prefix ORT
struct Place {
    std::string LD;
    std::string PLZ;
    std::string POSTF;
    std::string ORT;
    std::string VORWAHL;
    std::string OKEY;
    static const TableDef& table();
};

// QXADRSTR, prefix STR
struct Street {
    std::string LD;
    std::string PLZ;
    std::string STRASSE;
    std::string NRVON;
    std::string NRBIS;
    std::string OKEY;
    static const TableDef& table();
};

// QXADRBRA, prefix BRA
struct Industry {
    std::string BRANCHE;
    std::string BEZEICHNG;
    static const TableDef& table();
};

// QXATTMAT, prefix ATM
struct Material {
    std::string AUSER;
    std::int32_t ADATUM = 0;
    std::string AUHR;
    std::string PRID;
    std::uint8_t PRART = 0;
    std::string PRBEZ;
    std::string BEMERK;
    std::uint8_t OBSLT = 0;
    std::int32_t VDATE = 0; // DATE field, held as a day number
    std::int32_t PRMENGE = 0;
    std::uint8_t PRFLAG = 0;
    std::string PRFILE;
    static const TableDef& table();
};

// QXAKTATM, prefix ATA
struct MaterialSent {
    std::string AUSER;
    std::int32_t ADATUM = 0;
    std::string AUHR;
    std::int32_t RECID = 0;
    std::string PRID;
    std::int32_t AKTID = 0;
    std::int32_t ADRNR = 0;
    std::int32_t PDATE = 0; // DATE field, held as a day number
    static const TableDef& table();
};

// QXACKUSR, prefix USR
struct User {
    std::int32_t USRID = 0;
    std::string IUSR;
    std::string PUSR;
    std::string FNAME;
    std::string ABTPOS;
    std::string TELFAX;
    std::string EMAIL;
    std::int32_t ADRNR = 0;
    std::int32_t TKPNR = 0;
    std::string BEMERK;
    std::string ARA;
    static const TableDef& table();
};

// qxTRL, prefix QX1
struct Translation {
    std::string TRLID;
    std::string TRLTXT;
    std::string TRLMSG;
    std::string TRLTIP;
    std::string MSGICO;
    std::uint8_t MSGDEF = 0;
    std::string ORGTXT;
    static const TableDef& table();
};

// Every keyed table, in the order of the file list.
const std::vector<const TableDef*>& allTables();
// A table by its name ("QXADRESS", "qxTRL") or prefix ("ADR"); nullptr when unknown.
const TableDef* tableByName(std::string_view nameOrPrefix);

} // namespace velkora::data
