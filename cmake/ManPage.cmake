# Writes the man page of velkora-cli from its own --help texts, so the page
# never drifts from the program: help2man turns the overview into the page,
# and each command's help becomes a subsection of its own.
# Run as: cmake -DPROGRAM=... -DHELP2MAN=... -DVERSION=... -DOUTPUT=... -P ManPage.cmake

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE overview COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n  [a-z][a-z-]+  " listed "${overview}")

set(include_text "[BEFEHLE]\n")
foreach(entry IN LISTS listed)
    string(STRIP "${entry}" command)
    execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
    # roff reads a backslash as an escape and a leading dot as a request.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
    string(APPEND include_text ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
get_filename_component(name ${PROGRAM} NAME)
set(include_file ${OUTPUT}.include)
file(WRITE ${include_file} "${include_text}")

execute_process(
    COMMAND ${HELP2MAN} --locale=C.UTF-8 --no-info --section=1 --version-string=${VERSION}
            --name=Aufgaben\ von\ Velkora\ ohne\ Fenster --include=${include_file} --output=${OUTPUT} ${PROGRAM}
    COMMAND_ERROR_IS_FATAL ANY)
# The texts are German: help2man keeps their umlauts only in a UTF-8 locale
# (--locale above), and man reads them as such only when the page says so.
file(READ ${OUTPUT} page)
file(WRITE ${OUTPUT} "'\\\" -*- coding: UTF-8 -*-\n${page}")
