#include "cli/Texts.h"

#include "shared/Text.h"

#include <array>
#include <cstddef>

namespace velkora::cli {
namespace {

struct Entry {
    Msg id;
    std::string_view german;
    std::string_view english;
};

// Help texts start with their usage line: a wrong call repeats it.
constexpr Entry kTexts[] = {
    {Msg::Overview,
     "velkora-cli [-w ORDNER] [--yes] BEFEHL [ARGUMENTE]\n"
     "\n"
     "Führt Aufgaben von Velkora ohne Fenster aus. ORDNER ist der Startordner mit\n"
     "ORB.INI (Vorgabe: der aktuelle Ordner); der Start liest ihn wie das Programm.\n"
     "Meldungen stehen als \"Titel: Text\" auf der Standardfehlerausgabe; Fragen\n"
     "werden mit ihrer Vorgabe beantwortet, mit --yes mit Ja.\n"
     "\n"
     "Befehle:\n"
     "%1"
     "\n"
     "Exit-Status: 0 Erfolg, 1 Aufgabe fehlgeschlagen, 2 falscher Aufruf.\n"
     "\"velkora-cli BEFEHL --help\" zeigt die Hilfe eines Befehls.\n",
     "velkora-cli [-w FOLDER] [--yes] COMMAND [ARGUMENTS]\n"
     "\n"
     "Runs Velkora's jobs without windows. FOLDER is the start folder holding\n"
     "ORB.INI (default: the current folder); start-up reads it as the program does.\n"
     "Messages go to standard error as \"caption: text\"; questions take their\n"
     "default answer, or yes with --yes.\n"
     "\n"
     "Commands:\n"
     "%1"
     "\n"
     "Exit status: 0 success, 1 the job failed, 2 wrong usage.\n"
     "\"velkora-cli COMMAND --help\" shows the help of a command.\n"},
    {Msg::UsagePrefix, "Aufruf: ", "Usage: "},
    {Msg::SeeHelp, "Hilfe: velkora-cli %1--help", "Help: velkora-cli %1--help"},
    {Msg::MissingCommand, "kein Befehl angegeben", "no command given"},
    {Msg::UnknownCommand, "unbekannter Befehl: %1", "unknown command: %1"},
    {Msg::UnknownOption, "unbekannte Option: %1", "unknown option: %1"},
    {Msg::MissingValue, "Option %1 braucht einen Wert", "option %1 needs a value"},
    {Msg::RepeatedOption, "Option %1 ist mehrfach angegeben", "option %1 is given more than once"},
    {Msg::MissingArgument, "Argument fehlt", "argument missing"},
    {Msg::ExtraArgument, "überzähliges Argument: %1", "unexpected argument: %1"},

    {Msg::EvalSummary, "Ausdruck auswerten", "evaluate an expression"},
    {Msg::EvalHelp,
     "velkora-cli eval AUSDRUCK [--bind NAME=WERT ...]\n"
     "\n"
     "Wertet AUSDRUCK mit dem Ausdrucksauswerter des Programms aus und gibt den\n"
     "Wert aus. --bind bindet NAME an den Text WERT (mehrfach möglich). Bei einem\n"
     "Fehler stehen \"[Code] Text\" auf der Standardfehlerausgabe (Exit-Status 1).\n",
     "velkora-cli eval EXPRESSION [--bind NAME=VALUE ...]\n"
     "\n"
     "Evaluates EXPRESSION with the program's expression evaluator and prints its\n"
     "value. --bind binds NAME to the text VALUE (may be repeated). On an error\n"
     "\"[code] text\" goes to standard error (exit status 1).\n"},
    {Msg::BindWithoutName, "--bind erwartet NAME=WERT: %1", "--bind expects NAME=VALUE: %1"},

    {Msg::FormatNameSummary, "Briefanrede aus einer Vorlage bilden", "expand a salutation template"},
    {Msg::FormatNameHelp,
     "velkora-cli format-name VORLAGE [--name0 TEXT] [--name1 TEXT] [--name2 TEXT] [--namez TEXT]\n"
     "\n"
     "Setzt die Namen in eine Anredevorlage ein, wie die Anredeliste der Formulare:\n"
     "<#F:NAME0#> (Anrede), <#F:NAME1#>, <#F:NAME2#> (Namenszeilen) und <#F:NAMEZ#>\n"
     "(Zusatz). Eine Vorlage, die sich nicht auswerten lässt, bleibt unverändert.\n",
     "velkora-cli format-name TEMPLATE [--name0 TEXT] [--name1 TEXT] [--name2 TEXT] [--namez TEXT]\n"
     "\n"
     "Puts the names into a salutation template, as the salutation list of the\n"
     "forms does: <#F:NAME0#> (salutation), <#F:NAME1#>, <#F:NAME2#> (name lines)\n"
     "and <#F:NAMEZ#> (addition). A template that cannot be evaluated is printed\n"
     "unchanged.\n"},
    {Msg::PhoneIndexSummary, "Telefonindex einer Nummer", "phone index of a number"},
    {Msg::PhoneIndexHelp,
     "velkora-cli phone-index TEXT\n"
     "\n"
     "Gibt den Telefonindex von TEXT aus: die Ziffern der ersten 31 Zeichen, nach\n"
     "dem Kontakte nach Telefonnummer sortiert und gesucht werden.\n",
     "velkora-cli phone-index TEXT\n"
     "\n"
     "Prints the phone index of TEXT: the digits of its first 31 characters, by\n"
     "which contact persons are sorted and searched by telephone number.\n"},

    {Msg::DbfSummary, "dBase-Datei als CSV ausgeben", "print a dBase file as CSV"},
    {Msg::DbfHelp,
     "velkora-cli dbf DATEI.DBF [--info]\n"
     "\n"
     "Gibt eine dBase-III-Datei mit ihrem Memo als CSV (RFC 4180, UTF-8) mit einer\n"
     "Kopfzeile aus; gelöschte Sätze fehlen. --info gibt stattdessen die Feldliste\n"
     "aus (Name, Typ, Länge, Dezimalstellen).\n",
     "velkora-cli dbf FILE.DBF [--info]\n"
     "\n"
     "Prints a dBase III file with its memo as CSV (RFC 4180, UTF-8) with a header\n"
     "line; deleted records are left out. --info prints the field list instead\n"
     "(name, type, width, decimals).\n"},
    {Msg::DbfOpenFailed, "Öffnen fehlgeschlagen: %1 (%2)", "cannot open: %1 (%2)"},
    {Msg::DbfReadFailed, "Lesen fehlgeschlagen: %1 (%2)", "cannot read: %1 (%2)"},
};

} // namespace

Language languageOf(std::string_view langId) {
    const std::string code = upperText(trim(langId));
    for (std::string_view german : {"", "D", "DE", "DEU", "GER"})
        if (code == german)
            return Language::German;
    return Language::English;
}

std::string text(Language language, Msg id, std::initializer_list<std::string_view> args) {
    std::string_view pattern;
    for (const Entry& entry : kTexts)
        if (entry.id == id)
            pattern = language == Language::German ? entry.german : entry.english;
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < args.size())
                out += args.begin()[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace velkora::cli
