#pragma once
// The texts velkora-cli writes itself, in German and English. Messages of
// the program's own services (start-up, warnings) come from their owners.

#include <initializer_list>
#include <string>
#include <string_view>

namespace velkora::cli {

enum class Language { German, English };

// The language of a start file's LangID: German for an empty or German code,
// English for every other language.
Language languageOf(std::string_view langId);

enum class Msg {
    Overview,
    UsagePrefix,
    SeeHelp,
    MissingCommand,
    UnknownCommand,
    UnknownOption,
    MissingValue,
    RepeatedOption,
    MissingArgument,
    ExtraArgument,
    UnknownTable,
    ColumnFile,
    ColumnRecords,
    ColumnState,
    ColumnPath,
    InitSummary,
    InitHelp,
    InitStartFileExists,
    InitCreated,
    CheckSummary,
    CheckHelp,
    StateSound,
    StateCreated,
    StateKeysRebuilt,
    StateKeysDamaged,
    StateNotOpened,
    FilesNotSound,
    RebuildSummary,
    RebuildHelp,
    StateKeysRebuiltNow,
    StateMissing,
    StateRebuildFailed,
    ReorganiseSummary,
    ReorganiseHelp,
    CopyDataSummary,
    CopyDataHelp,
    CopyTargetHoldsData,
    CopyReadFailed,
    CopyWriteFailed,
    CopyCountsDiffer,
    CopyKeysDamaged,
    ListSummary,
    ListHelp,
    UnknownOrder,
    UnknownField,
    NotANumber,
    TooManyValues,
    EvalSummary,
    EvalHelp,
    BindWithoutName,
    FormatNameSummary,
    FormatNameHelp,
    PhoneIndexSummary,
    PhoneIndexHelp,
    MergeSummary,
    MergeHelp,
    MergeMissingOption,
    MergeMailingMissing,
    DbfSummary,
    DbfHelp,
    DbfOpenFailed,
    DbfReadFailed,
    ImportSummary,
    ImportHelp,
    ImportBadFormat,
    ImportBadFixed,
    ImportBadDelimiter,
    ImportBadMap,
    ImportNoName1,
    ImportRowsRead,
    ImportDuplicates,
    ImportDuplicateOf,
    ImportNotStarted,
    ImportImported,
    ImportNotImported,
    ImportFailedRow,
    ExportVCardSummary,
    ExportVCardHelp,
    ExportNotANumber,
    RemindersSummary,
    RemindersHelp,
    NotADate,
};

// The text in `language`, with %1, %2, ... replaced by `args`.
std::string text(Language language, Msg id, std::initializer_list<std::string_view> args = {});

} // namespace velkora::cli
