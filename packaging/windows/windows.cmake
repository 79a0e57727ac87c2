# Kombinátor for Windows: the programs with their icon, the Qt and MinGW runtime beside them (in
# the build tree too, so the tests run from bin/), the installer and the portable zip.

# The icon and version of both programs.
foreach(target kombinator kombinator-cli)
    set(KOMBINATOR_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/kombinator.ico)
    set(KOMBINATOR_WINDOWS_EXE ${target}.exe)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/kombinator.rc.in
                   ${CMAKE_BINARY_DIR}/packaging/windows/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/packaging/windows/${target}.rc)
endforeach()
# The window opens without a console window behind it.
set_target_properties(kombinator PROPERTIES WIN32_EXECUTABLE ON)

# The runtime: Qt's libraries, the platform, style and picture plugins the program loads, and the
# libraries of the MinGW compiler.
set(KOMBINATOR_QT_MODULES Qt6::Core Qt6::Gui Qt6::Widgets)
set(KOMBINATOR_QT_PLUGINS
    platforms Qt6::QWindowsIntegrationPlugin
    platforms Qt6::QOffscreenIntegrationPlugin
    styles Qt6::QWindowsVistaStylePlugin
    imageformats Qt6::QICOPlugin)
set(KOMBINATOR_MINGW_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        find_file(path_${dll} ${dll} PATHS /usr/${KOMBINATOR_MINGW_PREFIX}/lib NO_CMAKE_FIND_ROOT_PATH)
        set(path ${path_${dll}})
    endif()
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW runtime library ${dll} is missing")
    endif()
    list(APPEND KOMBINATOR_MINGW_DLLS ${path})
endforeach()

set(runtime_commands)
foreach(module IN LISTS KOMBINATOR_QT_MODULES)
    list(APPEND runtime_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:${module}> ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    install(FILES $<TARGET_FILE:${module}> DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
if(KOMBINATOR_TESTS)
    list(APPEND runtime_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:Qt6::Test> ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endif()
set(plugins ${KOMBINATOR_QT_PLUGINS})
while(plugins)
    list(POP_FRONT plugins folder plugin)
    list(APPEND runtime_commands
         COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}>
                 ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endwhile()
list(APPEND runtime_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KOMBINATOR_MINGW_DLLS}
     ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
install(FILES ${KOMBINATOR_MINGW_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
add_custom_target(kombinator_windows_runtime ALL ${runtime_commands}
                  COMMENT "Copying the Qt and MinGW runtime beside the programs")
add_dependencies(kombinator kombinator_windows_runtime)
add_dependencies(kombinator-cli kombinator_windows_runtime)

install(FILES LICENSE packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The installer: Kombinator-<version>-win64-setup.exe with a start-menu entry, the icon and an
# uninstaller. An installed copy reads its shipped data from share\kombinator and keeps the user's
# files in %APPDATA%\kombinator, which uninstalling leaves in place.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Kombinator)
set(CPACK_PACKAGE_VENDOR "Kombinátor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kombinátor – rendszerfogadás-kalkulátor")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kombinator)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kombinator)
set(CPACK_PACKAGE_EXECUTABLES kombinator "Kombinátor")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/kombinator.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/windows/kombinator.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\kombinator.exe)
set(CPACK_NSIS_DISPLAY_NAME "Kombinátor ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Kombinátor")
set(CPACK_NSIS_URL_INFO_ABOUT ${KOMBINATOR_HOMEPAGE})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN kombinator.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The accented names of the menu entry and the uninstaller, whatever the Windows code page.
set(CPACK_NSIS_DEFINES "Unicode true")
set(CPACK_PACKAGE_FILE_NAME Kombinator-${PROJECT_VERSION}-win64-setup)
include(CPack)

# The portable copy (`cmake --build . --target kombinator_portable`): the programs, their runtime
# and their data in one folder, which the program then uses as its own, wherever it is unpacked.
set(portable Kombinator-${PROJECT_VERSION}-win64-portable)
set(stage ${CMAKE_BINARY_DIR}/portable/${portable})
set(portable_commands
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kombinator> $<TARGET_FILE:kombinator-cli> ${stage}
    COMMAND ${CMAKE_STRIP} ${stage}/kombinator.exe ${stage}/kombinator-cli.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${KOMBINATOR_MINGW_DLLS} ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/packaging/copyright ${stage})
foreach(module IN LISTS KOMBINATOR_QT_MODULES)
    list(APPEND portable_commands COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${module}> ${stage})
endforeach()
set(plugins ${KOMBINATOR_QT_PLUGINS})
while(plugins)
    list(POP_FRONT plugins folder plugin)
    list(APPEND portable_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/${folder}
         COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${plugin}> ${stage}/${folder})
endwhile()
add_custom_target(kombinator_portable ${portable_commands}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/portable
            ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${portable}.zip --format=zip ${portable}
    DEPENDS kombinator kombinator-cli
    COMMENT "Making ${portable}.zip")

# The Windows command line prints what the Linux build prints (packaging/windows/build.sh names
# the Linux kombinator-cli to compare with).
set(KOMBINATOR_LINUX_CLI "" CACHE FILEPATH "A Linux kombinator-cli whose output the Windows one must match")
if(KOMBINATOR_TESTS AND KOMBINATOR_LINUX_CLI)
    add_test(NAME cli-matches-linux COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/windows/compare-cli.sh
                                            ${KOMBINATOR_LINUX_CLI} $<TARGET_FILE:kombinator-cli>)
    set_tests_properties(cli-matches-linux PROPERTIES TIMEOUT 600)
endif()
