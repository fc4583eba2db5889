# velk_add_test(NAME name SOURCES ... LIBS ... [GUI])
# Builds one GoogleTest executable and registers its tests with ctest. Every test runs
# on the offscreen platform with a private temporary program folder (VELK_DOSSIER).
find_package(GTest REQUIRED)
include(GoogleTest)

function(velk_add_test)
    cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
    if(T_GUI AND VELK_CORE_ONLY)
        return()
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${T_NAME} PRIVATE
        VELK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VELK_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${T_NAME}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        DISCOVERY_TIMEOUT 60)
endfunction()
