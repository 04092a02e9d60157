# The product name and file version of each program, kept in one place: they
# are set as properties of the program's target, where the desktop entries
# and the package read them, and on Windows they become the program file's
# version resource.
set(_quenmark_version_dir ${CMAKE_CURRENT_LIST_DIR})

# A file version as the four numbers of a version resource. major.minor keeps
# its revision last, as "2.00.0002" is shown: 2,0,0,2; "1.01" is 1,1,0,0.
function(quenmark_version_numbers version out)
    string(REPLACE "." ";" parts "${version}")
    set(numbers "")
    foreach(part IN LISTS parts)
        if(NOT part MATCHES "^[0-9]+$")
            message(FATAL_ERROR "file version ${version}: ${part} is not a number")
        endif()
        # math reads leading zeros as decimal: "0002" is 2.
        math(EXPR number "${part}")
        if(number GREATER 65535)
            message(FATAL_ERROR "file version ${version}: ${part} does not fit in 16 bits")
        endif()
        list(APPEND numbers ${number})
    endforeach()
    list(LENGTH numbers count)
    if(count GREATER 4)
        message(FATAL_ERROR "file version ${version} has more than four numbers")
    endif()
    if(count EQUAL 3)
        list(INSERT numbers 2 0)
        set(count 4)
    endif()
    while(count LESS 4)
        list(APPEND numbers 0)
        math(EXPR count "${count} + 1")
    endwhile()
    list(JOIN numbers "," joined)
    set(${out} "${joined}" PARENT_SCOPE)
endfunction()

# quenmark_program_version(<target> PRODUCT_NAME <name> FILE_VERSION <version>)
function(quenmark_program_version target)
    cmake_parse_arguments(V "" "PRODUCT_NAME;FILE_VERSION" "" ${ARGN})
    if(V_PRODUCT_NAME STREQUAL "" OR V_FILE_VERSION STREQUAL "")
        message(FATAL_ERROR "${target}: no PRODUCT_NAME or FILE_VERSION")
    endif()
    set_target_properties(${target} PROPERTIES QUENMARK_PRODUCT_NAME "${V_PRODUCT_NAME}"
                                               QUENMARK_FILE_VERSION "${V_FILE_VERSION}")
    quenmark_version_numbers("${V_FILE_VERSION}" VERSION_NUMBERS)
    if(WIN32)
        set(VERSION_PROGRAM ${target})
        set(VERSION_PRODUCT_NAME "${V_PRODUCT_NAME}")
        set(VERSION_FILE_VERSION "${V_FILE_VERSION}")
        configure_file(${_quenmark_version_dir}/ProgramVersion.rc.in
                       ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
        target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    endif()
endfunction()

# quenmark_edition_version(<target> <edition header>): the same, read from the
# FileVersion and ProductName of the program's Edition record, so that the
# record stays the one place that holds them.
function(quenmark_edition_version target header)
    file(READ ${header} record)
    string(REGEX MATCH "\\.FileVersion = \"([^\"]*)\"" _ "${record}")
    set(file_version "${CMAKE_MATCH_1}")
    string(REGEX MATCH "\\.ProductName = \"([^\"]*)\"" _ "${record}")
    set(product_name "${CMAKE_MATCH_1}")
    if(file_version STREQUAL "" OR product_name STREQUAL "")
        message(FATAL_ERROR "${header}: no FileVersion or ProductName")
    endif()
    # Configure again when the record changes.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
    quenmark_program_version(${target} PRODUCT_NAME "${product_name}"
                             FILE_VERSION "${file_version}")
endfunction()
