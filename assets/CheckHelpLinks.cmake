# Checks the help sources before they are compiled:
#   cmake -DHELP_DIR=<folder> -P CheckHelpLinks.cmake
#
# Debian's CHM viewer shows a topic as formatted text only when its name ends in ".html"; a topic
# named ".htm" comes up as raw source with its Cyrillic garbled. So no topic file and no reference
# to one (links in the pages, the contents, the index, the project's file list) may end in
# ".htm", and every topic referred to must exist, or a link would lead nowhere.

if(NOT DEFINED HELP_DIR)
    message(FATAL_ERROR "CheckHelpLinks.cmake needs -DHELP_DIR=...")
endif()

set(problems "")
file(GLOB sources ${HELP_DIR}/*)
foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME)
    string(TOLOWER "${name}" lowerName)
    if(lowerName MATCHES "\\.htm$")
        list(APPEND problems "${name}: a topic must be named .html")
    endif()
    if(NOT lowerName MATCHES "\\.(html|hhc|hhk|hhp)$")
        continue()
    endif()
    file(READ ${source} text)
    # Names of topics: letters, digits and the usual punctuation of file names before ".htm".
    string(REGEX MATCHALL "[A-Za-z0-9_./-]+\\.[Hh][Tt][Mm][Ll]?[^A-Za-z0-9]" references "${text}")
    foreach(reference IN LISTS references)
        string(REGEX REPLACE "[^A-Za-z0-9]$" "" reference "${reference}")
        string(TOLOWER "${reference}" lowerReference)
        if(lowerReference MATCHES "\\.htm$")
            list(APPEND problems "${name}: refers to ${reference}, but topics are named .html")
        elseif(NOT EXISTS ${HELP_DIR}/${reference})
            list(APPEND problems "${name}: refers to ${reference}, which is not in the help")
        endif()
    endforeach()
endforeach()

if(problems)
    list(REMOVE_DUPLICATES problems)
    list(JOIN problems "\n  " problems)
    message(FATAL_ERROR "The help sources in ${HELP_DIR} have broken topic names:\n  ${problems}")
endif()
