# GoogleTest for a cross build, compiled for the target from the source that
# Debian's package `googletest` installs, as GTest::gtest and GTest::gtest_main.
set(QUENMARK_GTEST_SOURCE /usr/src/googletest/googletest
    CACHE PATH "GoogleTest's source, built for the target")
if(NOT EXISTS ${QUENMARK_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest source in ${QUENMARK_GTEST_SOURCE}: "
                        "install the package googletest (scripts/install-deps windows)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUENMARK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main)
    # Its own code, its own warnings: ours are errors, its are not ours to mend.
    target_compile_options(${library} PRIVATE -w)
    if(NOT TARGET GTest::${library})
        add_library(GTest::${library} ALIAS ${library})
    endif()
endforeach()
