#include "cli/Texts.h"

#include "shared/Text.h"

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

    {Msg::UnknownTable, "unbekannte Tabelle: %1", "unknown table: %1"},
    {Msg::ColumnFile, "Datei", "File"},
    {Msg::ColumnRecords, "Sätze", "Records"},
    {Msg::ColumnState, "Zustand", "State"},
    {Msg::ColumnPath, "Pfad", "Path"},

    {Msg::InitSummary, "neuen Arbeitsbereich anlegen", "make a new workspace"},
    {Msg::InitHelp,
     "velkora-cli init ORDNER [--demo]\n"
     "\n"
     "Legt in ORDNER (wird angelegt, wenn er fehlt) einen Arbeitsbereich an: die\n"
     "Startdatei ORB.INI mit den Pfaden des Ordners, die Sprach- und Hilfedateien,\n"
     "die Übersetzungstabellen und die Ordner DATA, TMPL, DOCS und MAIL mit leeren\n"
     "Datendateien. Mit --demo kommen die Beispieldaten und Briefvorlagen dazu, wie\n"
     "\"velkora --demo\" sie anlegt. Ein Ordner, der schon eine ORB.INI enthält, wird\n"
     "nicht verändert (Exit-Status 1).\n",
     "velkora-cli init FOLDER [--demo]\n"
     "\n"
     "Makes a workspace in FOLDER (created when missing): the start file ORB.INI with\n"
     "the folder's paths, the language and help files, the translation tables and the\n"
     "folders DATA, TMPL, DOCS and MAIL with empty record files. With --demo it also\n"
     "holds the sample data and letter templates \"velkora --demo\" makes. A folder that\n"
     "already holds an ORB.INI is left unchanged (exit status 1).\n"},
    {Msg::InitStartFileExists, "%1 enthält bereits eine Startdatei (ORB.INI); nichts geändert",
     "%1 already holds a start file (ORB.INI); nothing changed"},
    {Msg::InitCreated, "Arbeitsbereich angelegt: %1", "workspace made: %1"},

    {Msg::CheckSummary, "Datendateien öffnen und prüfen", "open and check the record files"},
    {Msg::CheckHelp,
     "velkora-cli check [TABELLE]\n"
     "\n"
     "Öffnet jede Datendatei (oder nur TABELLE, z. B. QXADRESS oder ADR) nach den\n"
     "Regeln des Programms und prüft Sätze und Schlüssel. Je Datei eine Zeile: Name,\n"
     "Zahl der Sätze, Zustand, Pfad. Eine fehlende Datei wird leer angelegt, beschädigte\n"
     "Schlüssel werden beim Öffnen nach Rückfrage neu aufgebaut. Exit-Status 1, wenn\n"
     "eine Datei nicht in Ordnung war.\n",
     "velkora-cli check [TABLE]\n"
     "\n"
     "Opens every record file (or only TABLE, e.g. QXADRESS or ADR) by the program's\n"
     "rules and checks its records and keys. One line per file: name, number of\n"
     "records, state, path. A missing file is created empty; damaged keys are rebuilt\n"
     "on opening after the question. Exit status 1 when a file was not sound.\n"},
    {Msg::StateSound, "in Ordnung", "sound"},
    {Msg::StateCreated, "leer angelegt", "created empty"},
    {Msg::StateKeysRebuilt, "Schlüssel waren beschädigt, neu aufgebaut", "keys were damaged, rebuilt"},
    {Msg::StateKeysDamaged, "Schlüssel beschädigt: %1", "keys damaged: %1"},
    {Msg::StateNotOpened, "nicht zu öffnen", "cannot be opened"},
    {Msg::FilesNotSound, "nicht in Ordnung: %1 Datei(en)", "not sound: %1 file(s)"},

    {Msg::RebuildSummary, "Schlüssel neu aufbauen", "rebuild the keys"},
    {Msg::RebuildHelp,
     "velkora-cli rebuild-keys [TABELLE]\n"
     "\n"
     "Baut alle Schlüssel jeder Datendatei (oder nur von TABELLE) aus ihren Sätzen\n"
     "neu auf. Eine fehlende Datei wird übergangen.\n",
     "velkora-cli rebuild-keys [TABLE]\n"
     "\n"
     "Rebuilds every key of each record file (or only of TABLE) from its records.\n"
     "A missing file is passed over.\n"},
    {Msg::StateKeysRebuiltNow, "Schlüssel neu aufgebaut", "keys rebuilt"},
    {Msg::StateMissing, "fehlt", "missing"},
    {Msg::StateRebuildFailed, "Fehler", "error"},

    {Msg::ReorganiseSummary, "Adressdatei reorganisieren", "reorganise the address file"},
    {Msg::ReorganiseHelp,
     "velkora-cli reorganise\n"
     "\n"
     "Reorganisiert die Adressdatei wie \"DataUtil\" im Programm: liest jeden Satz,\n"
     "meldet unlesbare Sätze und baut alle Schlüssel neu auf. Andere Arbeitsplätze\n"
     "dürfen die Datei so lange nicht ändern. Am Ende steht die Meldung des Programms\n"
     "mit der Zahl der gelesenen und der unlesbaren Sätze.\n",
     "velkora-cli reorganise\n"
     "\n"
     "Reorganises the address file as \"DataUtil\" in the program does: reads every\n"
     "record, reports unreadable ones and rebuilds all keys. Other workstations may\n"
     "not change the file meanwhile. It ends with the program's message giving the\n"
     "number of records read and of unreadable ones.\n"},

    {Msg::CopyDataSummary, "Daten in einen anderen Datenpfad kopieren", "copy the data to another data path"},
    {Msg::CopyDataHelp,
     "velkora-cli copy-data --to ZIEL\n"
     "\n"
     "Kopiert jede Tabelle des Datenpfads (DataPath) nach ZIEL: in einen Ordner oder\n"
     "auf einen Datenbankserver (postgresql:///velkora?service=buero). Die Sätze\n"
     "behalten ihre Positionen und Versionen; danach werden die Satzzahlen verglichen\n"
     "und die Schlüssel geprüft. Ein Ziel, das schon Sätze enthält, wird abgelehnt.\n"
     "Benutzer- und Sprachdateien bleiben im Startordner.\n",
     "velkora-cli copy-data --to TARGET\n"
     "\n"
     "Copies every table of the data path (DataPath) to TARGET: a folder or a\n"
     "database server (postgresql:///velkora?service=office). The records keep\n"
     "their positions and versions; afterwards the record counts are compared and\n"
     "the keys checked. A target that already holds records is refused. User and\n"
     "language files stay in the start folder.\n"},
    {Msg::CopyTargetHoldsData, "%1: das Ziel enthält schon Sätze (%2)",
     "%1: the target already holds records (%2)"},
    {Msg::CopyReadFailed, "%1: nicht zu lesen: %2", "%1: cannot be read: %2"},
    {Msg::CopyWriteFailed, "%1: nicht zu schreiben: %2", "%1: cannot be written: %2"},
    {Msg::CopyCountsDiffer, "%1: Satzzahlen verschieden (Quelle / Ziel): %2",
     "%1: record counts differ (source / target): %2"},
    {Msg::CopyKeysDamaged, "%1: Schlüssel im Ziel beschädigt: %2", "%1: keys damaged in the target: %2"},

    {Msg::MoveDataSummary, "Datendateien in einen anderen Ordner verschieben",
     "move the data files to another folder"},
    {Msg::MoveDataHelp,
     "velkora-cli move-data ORDNER\n"
     "\n"
     "Verschiebt die neun Datendateien des Datenpfads (DataPath) nach ORDNER, wie es\n"
     "die Einstellungen des Programms tun, und trägt ORDNER als DataPath in die\n"
     "Startdatei ein. Ganz oder gar nicht: jede Datei wird kopiert und geprüft, erst\n"
     "dann werden die alten gelöscht; scheitert ein Schritt, bleibt alles, wo es war.\n"
     "Ein Ordner, der schon Datendateien enthält, wird abgelehnt: nichts wird\n"
     "überschrieben. Für einen Datenbankserver gibt es copy-data.\n",
     "velkora-cli move-data FOLDER\n"
     "\n"
     "Moves the nine data files of the data path (DataPath) to FOLDER, as the\n"
     "program's settings do, and writes FOLDER as DataPath into the start file.\n"
     "All or nothing: every file is copied and checked before the old ones are\n"
     "removed; when a step fails, everything stays where it was. A folder that\n"
     "already holds data files is refused: nothing is overwritten. For a database\n"
     "server there is copy-data.\n"},
    {Msg::MoveDataOnServer, "%1: ein Datenbankserver; dorthin kopiert copy-data",
     "%1: a database server; copy-data copies there"},
    {Msg::MoveDataOccupied, "%1 enthält schon Datendateien (%2); nichts wurde verschoben",
     "%1 already holds data files (%2); nothing was moved"},
    {Msg::MoveDataFailed, "%1: %2; nichts wurde verschoben, DataPath bleibt %3",
     "%1: %2; nothing was moved, DataPath stays %3"},
    {Msg::MoveDataLeftOver, "verschoben, aber nicht zu löschen (nicht mehr in Gebrauch): %1",
     "moved, but could not be removed (no longer in use): %1"},

    {Msg::ListSummary, "Sätze in Schlüsselfolge ausgeben", "print records in key order"},
    {Msg::ListHelp,
     "velkora-cli list TABELLE [--key SCHLÜSSEL] [--from WERT,...] [--back] [--count N] [--fields FELD,...]\n"
     "\n"
     "Liest die Sätze von TABELLE (z. B. QXADRESS oder ADR) in der Folge eines Schlüssels\n"
     "(Vorgabe: der Primärschlüssel) so, wie die Listen sie lesen, und gibt sie als\n"
     "tabulatorgetrennte Zeilen mit einer Kopfzeile aus (\\t, \\n, \\r und \\\\ für\n"
     "Tabulator, Zeilenumbruch, Wagenrücklauf und Backslash; Datumsfelder als Tageszahl).\n"
     "  --key SCHLÜSSEL   Schlüssel (QXADRES2 oder ADR:QXADRES2) oder Sortierung\n"
     "  --from WERT,...   beginnt bei diesen Werten der ersten Schlüsselteile\n"
     "  --back            liest rückwärts, ab der Position oder vom Ende\n"
     "  --count N         höchstens N Sätze\n"
     "  --fields FELD,... nur diese Felder (ADR:NAME1 oder NAME1)\n",
     "velkora-cli list TABLE [--key KEYNAME] [--from VALUE,...] [--back] [--count N] [--fields FIELD,...]\n"
     "\n"
     "Reads the records of TABLE (e.g. QXADRESS or ADR) in the order of a key (default:\n"
     "the primary key) the way the lists read them, and prints them as tab-separated\n"
     "lines with a header line (\\t, \\n, \\r and \\\\ stand for tab, line feed,\n"
     "carriage return and backslash; date fields as day numbers).\n"
     "  --key KEYNAME     a key (QXADRES2 or ADR:QXADRES2) or a sort order\n"
     "  --from VALUE,...  starts at these values of the leading key components\n"
     "  --back            reads backwards, from the position or from the end\n"
     "  --count N         at most N records\n"
     "  --fields FIELD,... only these fields (ADR:NAME1 or NAME1)\n"},
    {Msg::UnknownOrder, "unbekannter Schlüssel: %1", "unknown key: %1"},
    {Msg::UnknownField, "unbekanntes Feld: %1", "unknown field: %1"},
    {Msg::NotANumber, "keine Zahl: %1", "not a number: %1"},
    {Msg::TooManyValues, "mehr Werte als Schlüsselteile: %1", "more values than key components: %1"},

    {Msg::EvalSummary, "Ausdruck auswerten", "evaluate an expression"},
    {Msg::EvalHelp,
     "velkora-cli eval AUSDRUCK [--bind NAME=WERT ...]\n"
     "\n"
     "Wertet AUSDRUCK mit dem Ausdrucksauswerter des Programms aus und gibt den\n"
     "Wert aus. --bind bindet NAME an den Text WERT (mehrfach möglich). Bei einem\n"
     "Fehler steht \"[Code] Text\" auf der Standardfehlerausgabe (Exit-Status 1).\n",
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

    {Msg::RemindersSummary, "fällige Aufgaben und Geburtstage", "due to-dos and birthdays"},
    {Msg::RemindersHelp,
     "velkora-cli reminders [--date TT.MM.JJJJ]\n"
     "\n"
     "Gibt die Zeilen der Erinnerungsliste aus, wie sie am Datum (Vorgabe: heute)\n"
     "aussieht: fällige Aufgaben und die Geburtstage von vorgestern bis morgen, je\n"
     "Zeile Datum, Lampe (1 rot, 2 orange, 3 gelb, 4 aus), Art, Titel und Adresse,\n"
     "durch Tabulatoren getrennt.\n",
     "velkora-cli reminders [--date DD.MM.YYYY]\n"
     "\n"
     "Prints the rows of the reminder list as it is on the date (default: today):\n"
     "the to-dos due and the birthdays from two days back to tomorrow, one line\n"
     "each with date, lamp (1 red, 2 orange, 3 yellow, 4 off), kind, title and\n"
     "address, separated by tabs.\n"},
    {Msg::NotADate, "kein Datum: %1", "not a date: %1"},
    {Msg::CalendarSummary, "ein Monat mit Kalenderwochen", "a month with its weeks"},
    {Msg::CalendarHelp,
     "velkora-cli calendar [JAHR MONAT]\n"
     "\n"
     "Gibt den Monat (Vorgabe: der heutige) aus, wie ihn der Kalender zeigt: die\n"
     "Tage in Wochenzeilen ab Montag, vorn die Kalenderwoche nach ISO 8601. Die\n"
     "Jahre reichen von 1801 bis 9999.\n",
     "velkora-cli calendar [YEAR MONTH]\n"
     "\n"
     "Prints the month (default: this month) as the calendar shows it: the days in\n"
     "rows of weeks from Monday, each row led by its ISO 8601 week number. The\n"
     "years run from 1801 to 9999.\n"},
    {Msg::CalendarWeek, "KW", "Wk"},
    {Msg::CalendarNotAYear, "kein Jahr von 1801 bis 9999: %1", "not a year from 1801 to 9999: %1"},
    {Msg::CalendarNotAMonth, "kein Monat: %1", "not a month: %1"},

    {Msg::MailSummary, "E-Mail an eine Kontaktperson", "e-mail to a contact person"},
    {Msg::MailHelp,
     "velkora-cli mail ADRNR TKPNR --subject BETREFF [--text-file DATEI] [--attach DATEI] [--smtp] "
     "[--no-activity]\n"
     "\n"
     "Schreibt der Kontaktperson TKPNR der Adresse ADRNR eine E-Mail an ihre Adresse,\n"
     "mit der Briefanrede als Text oder dem Text der Datei (Zeilen ohne Leerzeichen am\n"
     "Ende). Ohne --smtp übernimmt das E-Mail-Programm (xdg-email) die Nachricht; als\n"
     "Aktivität gespeichert wird sie nur, wenn die Frage, ob sie gesendet wurde, mit\n"
     "Ja beantwortet wird (--yes). Mit --smtp sendet der Mailserver aus [SMTP] der\n"
     "Arbeitsdatei; das Passwort wird von der Standardeingabe gelesen. Eine gesendete\n"
     "E-Mail wird als Aktivität der Adresse gespeichert, außer mit --no-activity.\n",
     "velkora-cli mail ADRNR TKPNR --subject SUBJECT [--text-file FILE] [--attach FILE] [--smtp] "
     "[--no-activity]\n"
     "\n"
     "Writes an e-mail to contact person TKPNR of address ADRNR at their address,\n"
     "with the letter salutation as text or the text of the file (lines without\n"
     "trailing blanks). Without --smtp the mail client (xdg-email) takes the message;\n"
     "it is recorded as an activity only when the question whether it was sent is\n"
     "answered yes (--yes). With --smtp the mail server of [SMTP] in the work file\n"
     "sends it; the password is read from standard input. A sent e-mail is recorded\n"
     "as an activity of the address, unless --no-activity is given.\n"},
    {Msg::MailNotANumber, "keine Nummer: %1", "not a number: %1"},
    {Msg::MailNoContact, "keine Kontaktperson %1 der Adresse %2", "no contact person %1 of address %2"},
    {Msg::MailNoServer, "die Arbeitsdatei nennt keinen Mailserver ([SMTP] Host)",
     "the work file names no mail server ([SMTP] Host)"},
    {Msg::MailTextFile, "Textdatei: %1", "text file: %1"},
    {Msg::MailSent, "Die Nachricht wurde gesendet", "Message has been sent"},
    {Msg::MailPassword, "Passwort für %1 auf %2: ", "Password for %1 on %2: "},

    {Msg::MergeSummary, "Vorlage mit einer Seriendatei füllen", "fill a template from a mailing file"},
    {Msg::MergeHelp,
     "velkora-cli merge --template VORLAGE.RTF --mailing DATEI.DBF --out DOKUMENT.RTF [--show-errors]\n"
     "\n"
     "Füllt die RTF-Vorlage mit der Vorlagenmaschine des Programms aus der Seriendatei\n"
     "(dBase, Aufbau von QXAILADR) ab ihrem ersten Satz, wie Dokumenterstellung und\n"
     "Serienbrief. Mit --show-errors erscheinen Ausdrucksfehler als \"[Code] Text\" im\n"
     "Dokument (sonst gilt ShowErrors der Startdatei).\n",
     "velkora-cli merge --template TEMPLATE.RTF --mailing FILE.DBF --out DOCUMENT.RTF [--show-errors]\n"
     "\n"
     "Fills the RTF template with the program's template engine from the mailing file\n"
     "(dBase, layout of QXAILADR) from its first row, as document preparation and\n"
     "mail merge do. With --show-errors expression errors appear in the document as\n"
     "\"[code] text\" (otherwise the start file's ShowErrors applies).\n"},
    {Msg::MergeMissingOption, "Option %1 fehlt", "option %1 missing"},
    {Msg::MergeMailingMissing, "Seriendatei nicht gefunden: %1", "mailing file not found: %1"},
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
    {Msg::SelectSummary, "Serienbriefliste aus einer Adressauswahl schreiben",
     "write a mailing list from a selection of addresses"},
    {Msg::SelectHelp,
     "velkora-cli select LISTE [--status VON-BIS] [--features 2,5 [--and]] [--postal VON-BIS]\n"
     "                         [--country LD] [--industry CODE]\n"
     "                         [--contacts [--email] [--fax] [--kind N] [--position TEXT]]\n"
     "                         [--condition A [--contact-condition C]] [--replace|--append]\n"
     "\n"
     "Schreibt die Serienbriefliste MailPath/LISTE.DBF wie die Auswahl des Serienbriefs:\n"
     "eine Zeile je ausgewählter Adresse, mit --contacts je passendem Kontakt (eine\n"
     "Adresse ohne passenden Kontakt ergibt keine Zeile). Status (Vorgabe 1-8),\n"
     "Merkmale (mit --and alle, sonst eines), Postleitzahlen, Land und Branche wählen\n"
     "die Adressen, Kontaktart, Abteilung/Position (Teiltext, ohne Rücksicht auf\n"
     "Groß- und Kleinschreibung), E-Mail und Fax die Kontakte. --condition gibt die\n"
     "Adressbedingung als Ausdruck, --contact-condition die Kontaktbedingung. Eine\n"
     "vorhandene Liste wird nur mit --replace ersetzt oder mit --append ergänzt.\n"
     "Gibt die Zahl der geschriebenen Zeilen aus.\n",
     "velkora-cli select LIST [--status FROM-TO] [--features 2,5 [--and]] [--postal FROM-TO]\n"
     "                        [--country LD] [--industry CODE]\n"
     "                        [--contacts [--email] [--fax] [--kind N] [--position TEXT]]\n"
     "                        [--condition A [--contact-condition C]] [--replace|--append]\n"
     "\n"
     "Writes the mailing list MailPath/LIST.DBF as the mail-merge selection does: one\n"
     "row per selected address, with --contacts one per matching contact person (an\n"
     "address without a matching contact gives no row). Status (default 1-8),\n"
     "features (with --and all of them, otherwise any), postal codes, country and\n"
     "industry select the addresses; contact type, department/position (part of the\n"
     "text, regardless of case), e-mail and fax the contact persons. --condition gives\n"
     "the address condition as an expression, --contact-condition the contact\n"
     "condition. An existing list is replaced only with --replace, appended to only\n"
     "with --append. Prints the number of rows written.\n"},
    {Msg::SelectNeedsOption, "Option braucht eine andere: %1", "option needs another: %1"},
    {Msg::SelectExclusive, "Optionen schließen einander aus: %1", "options exclude each other: %1"},
    {Msg::SelectNotARange, "kein Bereich VON-BIS: %1", "not a range FROM-TO: %1"},
    {Msg::SelectNotAFeature, "kein Merkmal 1 bis 8: %1", "not a feature 1 to 8: %1"},
    {Msg::SelectRowsWritten, "%1 Zeilen geschrieben", "%1 rows written"},
    {Msg::ExportAsciiSummary, "Serienbriefliste als ASCII-Datei exportieren",
     "export a mailing list as ASCII"},
    {Msg::ExportAsciiHelp,
     "velkora-cli export-ascii LISTE DATEI\n"
     "\n"
     "Schreibt die Serienbriefliste LISTE (eine .DBF-Datei oder der Name einer Liste in\n"
     "MailPath) als ASCII-Export des Programms nach DATEI: eine Zeile je Satz, die Felder\n"
     "von STATUS bis zur Memo-Blocknummer ohne Leerzeichen am Ende, durch \";\" getrennt,\n"
     "ohne Kopfzeile, ANSI (Windows-1252). Ein Wert mit \";\", \" oder Zeilenumbruch steht\n"
     "in Anführungszeichen, \" darin verdoppelt.\n",
     "velkora-cli export-ascii LIST FILE\n"
     "\n"
     "Writes the mailing list LIST (a .DBF file or the name of a list in MailPath) to\n"
     "FILE as the program's ASCII export: one line per row, the fields from STATUS to\n"
     "the memo block number without trailing blanks, joined by \";\", no header line,\n"
     "ANSI (Windows-1252). A value holding \";\", \" or a line break is put in double\n"
     "quotes, with \" inside doubled.\n"},
    {Msg::ExportAsciiFailed, "Export fehlgeschlagen: %1 (%2)", "export failed: %1 (%2)"},
    {Msg::ExportAsciiWritten, "%1 Zeilen geschrieben", "%1 lines written"},
    {Msg::LetterSummary, "Brief für eine Adresse erstellen", "make a letter for an address"},
    {Msg::LetterHelp,
     "velkora-cli letter ADRNR --template VORLAGE [--contact N] [--title TEXT] [--name NAME] "
     "[--print DRUCKER [--copies N|auto]] [--no-activity]\n"
     "\n"
     "Erstellt einen Brief wie \"Erstellen\" im Fenster Dokumenterstellung: füllt die\n"
     "Vorlage (ein Name aus dem Vorlagenordner oder eine Datei) mit der Adresse und\n"
     "dem Kontakt N, speichert ihn mit LibreOffice als .DOC im Dokumentordner (Name:\n"
     "Adressnummer fünfstellig und NAME, Vorgabe die nächste freie Nummer) und öffnet\n"
     "ihn in LibreOffice Writer oder druckt ihn mit --print (auto: Anzahl der Adresse).\n"
     "Ohne --no-activity werden die Kontaktdaten der Adresse gesetzt und der Brief als\n"
     "Aktivität eingetragen. Gibt den Pfad des Dokuments aus (Status 1, wenn das Eintragen\n"
     "misslang).\n",
     "velkora-cli letter ADRNR --template TEMPLATE [--contact N] [--title TEXT] [--name NAME] "
     "[--print PRINTER [--copies N|auto]] [--no-activity]\n"
     "\n"
     "Makes a letter as \"Create\" in the document window does: fills the template (a\n"
     "name of the template folder, or a file) with the address and contact N, saves\n"
     "it with LibreOffice as .DOC in the documents folder (name: the address number in\n"
     "five digits and NAME, by default the next free number) and opens it in\n"
     "LibreOffice Writer, or prints it with --print (auto: the address's number).\n"
     "Without --no-activity the address's contact dates are set and the letter is\n"
     "recorded as an activity. Prints the document's path (status 1 when recording it\n"
     "failed).\n"},
    {Msg::LetterCopiesWithoutPrint, "%1 nur mit --print", "%1 only with --print"},
    {Msg::LetterNotCopies, "keine Anzahl von 1 bis 99 und nicht auto: %1",
     "not a number from 1 to 99 nor auto: %1"},
    {Msg::LetterAddressMissing, "Adresse %1 nicht gefunden", "address %1 not found"},
    {Msg::LetterContactMissing, "Kontakt %1 der Adresse %2 nicht gefunden",
     "contact %1 of address %2 not found"},
    {Msg::LetterTemplateMissing, "Vorlage nicht gefunden: %1", "template not found: %1"},
    {Msg::DocumentsSummary, "Serienbriefe zu einer Seriendatei erstellen",
     "make the letters of a mailing list"},
    {Msg::DocumentsHelp,
     "velkora-cli documents LISTE --template VORLAGE --title TEXT [--print DRUCKER [--copies N|auto]] "
     "[--activities]\n"
     "Erstellt einen Brief je Zeile der Seriendatei (ein Name im Serienbriefordner oder\n"
     "eine Datei) wie \"Erstellen\" der Druckoptionen: Zeilen ohne Adressnummer werden\n"
     "übergangen, jeder Brief erhält die nächste freie Nummer der Adresse. LibreOffice\n"
     "speichert die Briefe als .DOC im Dokumentordner und öffnet sie oder druckt sie mit\n"
     "--print (auto: Anzahl der Zeile). Mit --activities werden die Kontaktdaten gesetzt\n"
     "und die Briefe als Aktivitäten mit Status 1 eingetragen. Gibt die Pfade der\n"
     "Dokumente aus (Status 1, wenn das Eintragen misslang).\n",
     "velkora-cli documents LIST --template TEMPLATE --title TEXT [--print PRINTER [--copies N|auto]] "
     "[--activities]\n"
     "Makes one letter per row of the mailing list (a name of the mailing folder, or a\n"
     "file) as \"Create\" of the print options does: rows without an address number are\n"
     "skipped, each letter takes the address's next free number. LibreOffice saves the\n"
     "letters as .DOC in the documents folder and opens them, or prints them with\n"
     "--print (auto: the row's number). With --activities the contact dates are set and\n"
     "the letters recorded as activities with status 1. Prints the documents' paths\n"
     "(status 1 when recording them failed).\n"},
    {Msg::DocumentsNotCopies, "keine Anzahl von 1 bis 999 und nicht auto: %1",
     "not a number from 1 to 999 nor auto: %1"},
    {Msg::ReportSummary, "Adressliste oder Aktivitätenliste als PDF drucken",
     "print the address list or the activity list as PDF"},
    {Msg::ReportHelp,
     "velkora-cli report addresses LISTE --title TITEL [--contacts] --pdf DATEI.PDF\n"
     "velkora-cli report activities [--address NR] [--from DATUM] [--to DATUM] [--kind ART]\n"
     "                              [--priority PRIO] [--memo] --title TITEL --pdf DATEI.PDF\n"
     "\n"
     "Druckt eine Liste des Programms in eine PDF-Datei (A4, Titel im Kopf, Seitenzahl\n"
     "im Fuß). addresses: die Adressliste der Seriendatei LISTE (ein Name ohne Ordner\n"
     "liegt in MailPath) in Dateireihenfolge, mit --contacts mit den Ansprechpartnern\n"
     "jeder Adresse. activities: die Aktivitäten einer Adresse (--address) oder aller\n"
     "Adressen; ein angegebenes Datum begrenzt den Zeitraum auf seiner Seite, --kind\n"
     "und --priority wählen Art und Priorität nach Nummer, --memo druckt die Memos mit.\n",
     "velkora-cli report addresses LIST --title TITLE [--contacts] --pdf FILE.PDF\n"
     "velkora-cli report activities [--address NO] [--from DATE] [--to DATE] [--kind KIND]\n"
     "                              [--priority PRIO] [--memo] --title TITLE --pdf FILE.PDF\n"
     "\n"
     "Prints a list of the program into a PDF file (A4, the title in the header, page\n"
     "numbers in the footer). addresses: the address list of the mailing file LIST (a\n"
     "name without a folder lies in MailPath) in file order, with --contacts with the\n"
     "contact persons of each address. activities: the activities of one address\n"
     "(--address) or of all addresses; a date given limits the period on its side,\n"
     "--kind and --priority choose kind and priority by number, --memo adds the memos.\n"},
    {Msg::ReportUnknown, "unbekannte Liste: %1 (addresses oder activities)",
     "unknown list: %1 (addresses or activities)"},
    {Msg::ReportWithoutList, "%1 braucht den Namen der Seriendatei", "%1 needs the name of the mailing file"},
    {Msg::ReportOfActivitiesWithList, "activities nimmt keine Seriendatei: %1",
     "activities takes no mailing file: %1"},
    {Msg::ReportOptionOfOther, "Option %1 gehört zur anderen Liste", "option %1 belongs to the other list"},
    {Msg::ReportNoPdf, "dieses Programm schreibt keine PDF-Dateien", "this program writes no PDF files"},
    {Msg::ReportNotWritten, "PDF-Datei nicht geschrieben: %1", "PDF file not written: %1"},
    {Msg::ImportSummary, "Adressen aus einer Datei importieren", "import addresses from a file"},
    {Msg::ImportHelp,
     "velkora-cli import DATEI [--format text|dbf|outlook|vcard] [--delimiter \";\"]\n"
     "    [--fixed POS:LÄNGE,...] [--header] [--remove-quotes] [--oem]\n"
     "    [--map NAME1=1,ORT=3,...] [--check] [--skip-duplicates]\n"
     "\n"
     "Liest die Datei in die Austauschdatei Adr$Imp$ im Mailpfad, prüft sie mit\n"
     "--check auf Dubletten und importiert sie nach der Startfrage (mit --yes: Ja)\n"
     "als Adressen, mit einem Ansprechpartner für jede Zeile mit Telefon, Fax oder\n"
     "E-Mail. Textdateien sind getrennt (--delimiter, Vorgabe \";\", \"\\t\" für\n"
     "Tabulator) oder haben feste Spalten (--fixed); --header: die erste Zeile nennt\n"
     "die Spalten; --remove-quotes: Spalten in Anführungszeichen wie in CSV; --oem:\n"
     "die Datei ist in CP850, sonst UTF-8 oder Windows-1252. Spalten, deren Namen\n"
     "ein Feld nennen, werden zugeordnet; --map ordnet Feldern Spaltennummern zu.\n"
     "--skip-duplicates importiert die Zeilen mit Dubletten nicht. Ausgegeben werden\n"
     "die gelesenen Zeilen, die Dubletten, die importierten und die nicht\n"
     "importierten Zeilen mit ihrem Grund.\n",
     "velkora-cli import FILE [--format text|dbf|outlook|vcard] [--delimiter \";\"]\n"
     "    [--fixed POS:LEN,...] [--header] [--remove-quotes] [--oem]\n"
     "    [--map NAME1=1,ORT=3,...] [--check] [--skip-duplicates]\n"
     "\n"
     "Reads the file into the exchange file Adr$Imp$ in the mail path, checks it\n"
     "for duplicates with --check and, after the start question (yes with --yes),\n"
     "imports it as addresses, with a contact person for each row with a\n"
     "telephone, fax or e-mail. Text files are delimited (--delimiter, default\n"
     "\";\", \"\\t\" for a tab) or have fixed columns (--fixed); --header: the first\n"
     "line names the columns; --remove-quotes: quoted columns as in CSV; --oem: the\n"
     "file is in CP850, otherwise UTF-8 or Windows-1252. Columns whose names name a\n"
     "field are mapped to it; --map maps fields to column numbers.\n"
     "--skip-duplicates leaves the rows with duplicates out. Prints the rows read,\n"
     "the duplicates, the rows imported and those not imported with the reason.\n"},
    {Msg::ImportBadFormat, "unbekanntes Format: %1", "unknown format: %1"},
    {Msg::ImportBadFixed, "ungültige Spalten (POS:LÄNGE,...): %1", "invalid columns (POS:LEN,...): %1"},
    {Msg::ImportBadDelimiter, "Trennzeichen muss 1 bis 3 Zeichen haben: %1",
     "the delimiter must have 1 to 3 characters: %1"},
    {Msg::ImportBadMap, "ungültige Zuordnung (FELD=SPALTE): %1", "invalid mapping (FIELD=COLUMN): %1"},
    {Msg::ImportNoName1, "keine Spalte für NAME1 (--map NAME1=SPALTE)",
     "no column for NAME1 (--map NAME1=COLUMN)"},
    {Msg::ImportRowsRead, "Gelesen: %1 Zeilen, %2 mit Name 1", "Read: %1 rows, %2 with name 1"},
    {Msg::ImportDuplicates, "Dubletten: %1 Zeilen (%2 Adressen)", "Duplicates: %1 rows (%2 addresses)"},
    {Msg::ImportDuplicateOf, "Dublette von %1", "duplicate of %1"},
    {Msg::ImportNotStarted, "Import nicht gestartet", "Import not started"},
    {Msg::ImportImported, "Importiert: %1", "Imported: %1"},
    {Msg::ImportNotImported, "Nicht importiert: %1", "Not imported: %1"},
    {Msg::ImportFailedRow, "  Zeile %1 (%2): %3", "  row %1 (%2): %3"},
    {Msg::ExportVCardSummary, "Adressen als vCard ausgeben", "print addresses as vCard"},
    {Msg::ExportVCardHelp,
     "velkora-cli export-vcard [ADRNR...] > DATEI.vcf\n"
     "\n"
     "Gibt die Adressen mit den Nummern (ohne Nummer: alle) als vCard 4.0 aus: eine\n"
     "Karte je Adresse und je Ansprechpartner, mit der Firma im ORG.\n",
     "velkora-cli export-vcard [ADRNR...] > FILE.vcf\n"
     "\n"
     "Prints the addresses numbered (without a number: all) as vCard 4.0: a card\n"
     "per address and per contact person, with the company in ORG.\n"},
    {Msg::ExportNotANumber, "keine Adressnummer: %1", "not an address number: %1"},
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
    return fillArguments(pattern, args);
}

} // namespace velkora::cli
