# GoogleTest for a cross build, compiled for the target from the source that
# Debian's package `googletest` installs; it names its libraries GTest::gtest
# and GTest::gtest_main itself.
set(QUENMARK_GTEST_SOURCE /usr/src/googletest/googletest
    CACHE PATH "GoogleTest's source, built for the target")
if(NOT EXISTS ${QUENMARK_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest source in ${QUENMARK_GTEST_SOURCE}: "
                        "install the package googletest (scripts/install-deps windows)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUENMARK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own code, its own warnings: ours are errors, its are not ours to mend.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)
