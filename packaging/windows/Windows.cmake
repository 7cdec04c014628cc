# The Windows build: a portable folder (cpack -G ZIP) holding the program, the Qt and
# mingw runtime DLLs, the plugins it loads and Qt's Chinese translation; and, when
# cross-compiling, Wine as the way to run its tests.

set(CGR_ICON_FILE ${PROJECT_SOURCE_DIR}/packaging/icons/cpugpurank.ico) # the exe's and the setup's
set(qt_bin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})

# The compiler's own runtime, wherever this mingw keeps it.
set(cgr_runtime_dlls)
set(cgr_runtime_dirs)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    list(APPEND cgr_runtime_dlls ${path})
    get_filename_component(dir ${path} DIRECTORY)
    list(APPEND cgr_runtime_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES cgr_runtime_dirs)

install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll ${cgr_runtime_dlls}
        DESTINATION .)
# Debian's mingw runtime comes with its debugging symbols: 25 MB of the zip
foreach(dll ${cgr_runtime_dlls})
    get_filename_component(name ${dll} NAME)
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\")")
endforeach()
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${qt_plugins}/styles/qwindowsvistastyle.dll DESTINATION plugins/styles)
install(FILES ${qt_plugins}/imageformats/qjpeg.dll DESTINATION plugins/imageformats)
# Prefix = the program's folder: plugins and translations are found beside it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)

# The licences that travel with every copy: the program's, the notices of every third-party
# file above (tools/make_windows_notices.py writes them from the Qt build), and the data's
# acknowledgement, Chinese first; text files that Notepad opens.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/THIRD-PARTY-NOTICES.txt cgr_built_with REGEX "^Built with: ")
string(REPLACE "\\;" "," cgr_built_with "${cgr_built_with}") # its "; " come escaped
foreach(pkg qt6-base-dev qt6-translations-l10n gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev)
    execute_process(COMMAND dpkg-query -W "-f=\${source:Package} \${source:Version}" ${pkg}
                    OUTPUT_VARIABLE built RESULT_VARIABLE missing)
    string(FIND "${cgr_built_with}," " ${built}," at)
    if(missing OR at EQUAL -1)
        message(FATAL_ERROR "THIRD-PARTY-NOTICES.txt names other versions than this build's ${pkg} (${built}): "
                            "run tools/make_windows_notices.py on the Qt build again")
    endif()
endforeach()
file(READ ${PROJECT_SOURCE_DIR}/src/data/README.md CGR_DATA_README)
configure_file(${CMAKE_CURRENT_LIST_DIR}/DATA-SOURCES.txt.in ${PROJECT_BINARY_DIR}/DATA-SOURCES.txt @ONLY)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/THIRD-PARTY-NOTICES.txt ${PROJECT_BINARY_DIR}/DATA-SOURCES.txt DESTINATION .)

# Qt's own texts (message-box buttons, context menus) in Chinese; the .qm files are the
# same on every OS, so the build host's copies serve.
find_path(CGR_QT_TRANSLATIONS qtbase_zh_CN.qm
          PATHS ${QT6_INSTALL_PREFIX}/translations /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT CGR_QT_TRANSLATIONS)
    message(FATAL_ERROR "qtbase_zh_CN.qm not found (Debian: qt6-translations-l10n)")
endif()
install(FILES ${CGR_QT_TRANSLATIONS}/qtbase_zh_CN.qm ${CGR_QT_TRANSLATIONS}/qtbase_zh_TW.qm
        DESTINATION translations)

set(CPACK_PACKAGE_FILE_NAME cpugpurank-${PROJECT_VERSION}-win64)
set(CPACK_GENERATOR ZIP)

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(CGR_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    if(CGR_WINE64)
        # The tests find Qt's DLLs, plugins and translations in the Qt tree, the mingw
        # runtime where the compiler keeps it.
        set(CGR_WINE_PATH ${qt_bin} ${cgr_runtime_dirs})
        set(CGR_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
        configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh
                       @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                       WORLD_READ WORLD_EXECUTE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)
    endif()
endif()

# The setup program (cmake --build . --target setup): the zip (made anew) and the same files
# from it, packed by NSIS into cpugpurank-<version>-win64-setup.exe.
find_program(CGR_MAKENSIS makensis)
if(CGR_MAKENSIS)
    set(CGR_SHORTCUT_NAME "CPU-GPU性能天梯查询工具") # a file name: no slash
    set(CGR_SETUP_FILE ${PROJECT_BINARY_DIR}/cpugpurank-${PROJECT_VERSION}-win64-setup.exe)
    set(stage ${PROJECT_BINARY_DIR}/setup-stage)
    set(CGR_SETUP_FILES ${PROJECT_BINARY_DIR}/setup-files.nsh)
    set(CGR_SETUP_UNFILES ${PROJECT_BINARY_DIR}/setup-unfiles.nsh)
    set(CGR_LICENSE_FILE ${PROJECT_SOURCE_DIR}/LICENSE) # ASCII: NSIS reads it as it is
    configure_file(${CMAKE_CURRENT_LIST_DIR}/setup.nsi.in ${PROJECT_BINARY_DIR}/setup.nsi @ONLY)
    # the zip's own files: stripping again would give the exe another time stamp
    add_custom_target(setup
        COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
        COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar xf ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip
        COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage}/${CPACK_PACKAGE_FILE_NAME} -DFILES=${CGR_SETUP_FILES} -DUNFILES=${CGR_SETUP_UNFILES}
                -P ${CMAKE_CURRENT_LIST_DIR}/setup_files.cmake
        COMMAND ${CGR_MAKENSIS} -V2 -WX ${PROJECT_BINARY_DIR}/setup.nsi
        DEPENDS cpugpurank
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
        BYPRODUCTS ${CGR_SETUP_FILE} ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip
        VERBATIM)
endif()
