# Installs the build into a fresh folder (its name has a blank, as a user's folder may),
# checks what it holds and the desktop entry, then runs the probe (PROBE) beside the
# installed programs from another folder. Given BUILD_DIR and PROBE.
set(prefix "${BUILD_DIR}/installed tree")
set(elsewhere "${BUILD_DIR}/installed tree elsewhere")
file(REMOVE_RECURSE "${prefix}" "${elsewhere}")
file(MAKE_DIRECTORY "${elsewhere}")
# Installed as the README says, stripped.
function(install_into prefix)
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --strip
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cmake --install failed:\n${output}")
    endif()
endfunction()
install_into("${prefix}")

# A sanitized build carries its instrumentation whatever strip leaves, so only a
# normal build's size says whether the program was stripped.
file(SIZE "${prefix}/bin/tornavel" size)
if(NOT SANITIZED AND size GREATER 5000000)
    message(SEND_ERROR "bin/tornavel is ${size} bytes: not stripped?")
endif()

foreach(file bin/verolan lib/tornavel/tornavel-fetch share/icons/hicolor/48x48/apps/tornavel.png
             share/icons/hicolor/256x256/apps/tornavel.png)
    if(NOT EXISTS "${prefix}/${file}")
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()
file(READ "${prefix}/share/applications/tornavel.desktop" entry)
foreach(line "Exec=\"${prefix}/bin/tornavel\"" "Icon=tornavel" "Categories=Utility;Calculator;"
             "StartupNotify=true")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at LESS 0)
        message(SEND_ERROR "tornavel.desktop lacks ${line}:\n${entry}")
    endif()
endforeach()
if(NOT entry MATCHES "\nKeywords=[^\n]*carrelage;[^\n]*\n")
    message(SEND_ERROR "tornavel.desktop has no French keywords:\n${entry}")
endif()

# A prefix with "%": the launcher must find a program before it undoes "%%", and the
# program's path comes out whole.
set(percent "${BUILD_DIR}/installed 100%")
file(REMOVE_RECURSE "${percent}")
install_into("${percent}")
file(READ "${percent}/share/applications/tornavel.desktop" entry)
string(FIND "${entry}" "\nExec=env \"${BUILD_DIR}/installed 100%%/bin/tornavel\"\n" at)
if(at LESS 0)
    message(SEND_ERROR "tornavel.desktop under a prefix with %:\n${entry}")
endif()
file(REMOVE_RECURSE "${percent}")

file(COPY "${PROBE}" DESTINATION "${prefix}/bin")
get_filename_component(probe "${PROBE}" NAME)
execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen "${prefix}/bin/${probe}"
                WORKING_DIRECTORY "${elsewhere}" RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(SEND_ERROR "the installed programs:\n${output}")
endif()
