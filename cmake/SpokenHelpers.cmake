# Puts a program into the program folder next to the course content.
function(spoken_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${SPOKEN_APP_DIR}")
endfunction()

# spoken_test(NAME name [QT_APP] SOURCES ... LIBS ...)
# A GoogleTest executable whose cases ctest runs one by one, headless.
# QT_APP gives it a main that holds one QApplication for the whole run.
function(spoken_test)
    cmake_parse_arguments(T "QT_APP" "NAME" "SOURCES;LIBS" ${ARGN})
    if(T_QT_APP)
        add_executable(${T_NAME} ${T_SOURCES} "${CMAKE_SOURCE_DIR}/cmake/QtTestMain.cpp")
        target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Widgets GTest::gtest)
    else()
        add_executable(${T_NAME} ${T_SOURCES})
        target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    endif()
    target_compile_definitions(${T_NAME} PRIVATE
        SPOKEN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        SPOKEN_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/testdata"
        SPOKEN_APP_DIR="${SPOKEN_APP_DIR}")
    gtest_discover_tests(${T_NAME}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 120)
endfunction()
