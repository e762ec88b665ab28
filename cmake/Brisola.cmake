# Shared build helpers.

# Where the installed application finds its data (templates, help).
set(BRISOLA_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/brisola)

# Programs link with lld where it is installed: it links them with their debug
# information in a fraction of the default linker's time.
find_program(BRISOLA_LLD ld.lld)
if(BRISOLA_LLD AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_link_options(-fuse-ld=lld)
endif()

# brisola_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [GUI])
# Builds one GoogleTest program and registers its tests with CTest. Every
# program links the shared test helpers; GUI programs (widgets, browser pages)
# get the main that owns the application object instead of GoogleTest's.
function(brisola_add_test)
    cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    if(T_GUI)
        set(T_MAIN brisola_test_gui_main)
    else()
        set(T_MAIN GTest::gtest_main)
    endif()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} brisola_test_support GTest::gtest GTest::gmock ${T_MAIN})
    target_compile_definitions(${T_NAME} PRIVATE
        BRISOLA_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
        BRISOLA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    if(NOT T_LABELS)
        set(T_LABELS ${T_NAME})
    endif()
    gtest_discover_tests(${T_NAME}
        DISCOVERY_TIMEOUT 60
        DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS "${T_LABELS}"
                   ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1")
endfunction()
