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

# The fryer basket as a Windows icon (16 to 256 pixels), made once at configure
# time from the same SVG the Linux desktop shows; each program carries it as
# its main icon, which Explorer, the shortcuts and Qt's window class take.
function(quenmark_windows_icon out)
    set(svg ${PROJECT_SOURCE_DIR}/packaging/quenmark.svg)
    set(ico ${PROJECT_BINARY_DIR}/quenmark.ico)
    set(${out} ${ico} PARENT_SCOPE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${svg})
    if(EXISTS ${ico} AND NOT ${svg} IS_NEWER_THAN ${ico})
        return()
    endif()
    find_program(RSVG_CONVERT rsvg-convert REQUIRED)
    find_program(ICOTOOL icotool REQUIRED)
    set(dir ${PROJECT_BINARY_DIR}/icon)
    file(MAKE_DIRECTORY ${dir})
    set(pngs "")
    foreach(size 16 24 32 48 64 256)
        execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/${size}.png ${svg}
                        COMMAND_ERROR_IS_FATAL ANY)
        # The largest stays PNG inside the icon, as Windows Vista and later read it.
        if(size EQUAL 256)
            list(APPEND pngs -r)
        endif()
        list(APPEND pngs ${dir}/${size}.png)
    endforeach()
    execute_process(COMMAND ${ICOTOOL} -c -o ${ico} ${pngs} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# quenmark_program_version(<target> PRODUCT_NAME <name> FILE_VERSION <version>)
function(quenmark_program_version target)
    cmake_parse_arguments(V "" "PRODUCT_NAME;FILE_VERSION" "" ${ARGN})
    set_target_properties(${target} PROPERTIES QUENMARK_PRODUCT_NAME "${V_PRODUCT_NAME}"
                                               QUENMARK_FILE_VERSION "${V_FILE_VERSION}")
    quenmark_version_numbers("${V_FILE_VERSION}" VERSION_NUMBERS)
    if(WIN32)
        set(VERSION_PROGRAM ${target})
        set(VERSION_PRODUCT_NAME "${V_PRODUCT_NAME}")
        set(VERSION_FILE_VERSION "${V_FILE_VERSION}")
        quenmark_windows_icon(VERSION_ICON)
        set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
        configure_file(${_quenmark_version_dir}/ProgramVersion.rc.in ${rc} @ONLY)
        target_sources(${target} PRIVATE ${rc})
        set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VERSION_ICON})
    endif()
endfunction()

# quenmark_read_program_versions(<versions file> <header>): reads the
# version information of every program from the versions file, sets
# <program>_PRODUCT_NAME, <program>_CAPTION_VERSION and <program>_FILE_VERSION
# in the caller's scope, and writes the same as constants into <header>, so
# that the programs and the build read one file.
function(quenmark_read_program_versions file header)
    # Configure again when the file changes.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(STRINGS ${file} lines REGEX "^[^#]")
    set(constants "")
    foreach(line IN LISTS lines)
        separate_arguments(fields UNIX_COMMAND "${line}")
        list(LENGTH fields count)
        if(count EQUAL 0)
            continue()
        elseif(NOT count EQUAL 4)
            message(FATAL_ERROR "${file}: '${line}' is not: program, product, caption and file version")
        endif()
        list(GET fields 0 program)
        list(GET fields 1 product_name)
        list(GET fields 2 caption_version)
        list(GET fields 3 file_version)
        quenmark_version_numbers("${file_version}" _)
        set(${program}_PRODUCT_NAME "${product_name}" PARENT_SCOPE)
        set(${program}_CAPTION_VERSION "${caption_version}" PARENT_SCOPE)
        set(${program}_FILE_VERSION "${file_version}" PARENT_SCOPE)
        string(APPEND constants
               "\nnamespace ${program}_version {\n"
               "inline constexpr std::string_view ProductName = \"${product_name}\";\n"
               "inline constexpr std::string_view CaptionVersion = \"${caption_version}\";\n"
               "inline constexpr std::string_view FileVersion = \"${file_version}\";\n"
               "} // namespace ${program}_version\n")
    endforeach()
    cmake_path(RELATIVE_PATH file BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE source)
    # Written only when it changes, so that a configure rebuilds nothing.
    file(CONFIGURE OUTPUT ${header} @ONLY
         CONTENT "// Generated by CMake from ${source}; change that file instead.
#pragma once

#include <string_view>
${constants}")
endfunction()
