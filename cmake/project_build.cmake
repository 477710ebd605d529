# Keeps the platform twins of this build in `list_name`: name_posix.cpp on Linux, name_win.cpp on
# Windows, beside the portable name.cpp.
function(keep_platform_twins list_name)
    set(sources ${${list_name}})
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
    endif()
    set(${list_name} ${sources} PARENT_SCOPE)
endfunction()

# GoogleTest: the system package on Linux; built from Debian's googletest sources when
# cross-building, since no MinGW build of it is packaged.
if(CMAKE_CROSSCOMPILING)
    set(googletest_source /usr/src/googletest)
    if(NOT EXISTS ${googletest_source}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${googletest_source} "
                            "(Debian package googletest)")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    # Threads through the posix flavour of the toolchain (winpthreads), linked statically.
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${googletest_source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Its own sources trip our warnings; they are not ours to fix.
    foreach(target IN ITEMS gtest gtest_main gmock gmock_main)
        target_compile_options(${target} PRIVATE -w)
    endforeach()
    # Recent GoogleTest releases name their targets GTest::* themselves.
    if(NOT TARGET GTest::gtest)
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gmock ALIAS gmock)
    endif()
else()
    find_package(GTest REQUIRED)
endif()

# add_project_test(NAME SOURCES ... [LIBRARIES ...] [LABELS ...])
# One test executable linked with the shared test main; CTest runs it through the
# cross-compiling emulator (wine) when there is one.
function(add_project_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE test_support ${ARG_LIBRARIES} GTest::gmock GTest::gtest)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABELS}"
        ENVIRONMENT "BATCHVCF_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
        TIMEOUT 600)
endfunction()
