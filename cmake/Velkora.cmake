# Build helpers shared by every folder.

set(VELKORA_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wno-missing-field-initializers)
# GCC 12 reports std::string copies as overlapping in optimised builds
# (GCC bug 105329); the warning is noise there and would stop -Werror builds.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND VELKORA_WARNINGS -Wno-restrict)
endif()
if(VELKORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(VELKORA_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

set_property(GLOBAL PROPERTY VELKORA_CORE_TARGETS "")

# The programs find their shared files (workspace template, help, icons) by
# this path from their own folder, so an installed copy works wherever it
# was installed. The build folder is laid out the same way: programs in
# bin/, and share/velkora linking to the resources of the source tree.
file(RELATIVE_PATH VELKORA_SHARED_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/velkora)
set(VELKORA_BUILD_PROGRAM_DIR ${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_BINDIR})
cmake_path(ABSOLUTE_PATH VELKORA_SHARED_DATA_FROM_PROGRAM BASE_DIRECTORY ${VELKORA_BUILD_PROGRAM_DIR}
           NORMALIZE OUTPUT_VARIABLE VELKORA_BUILD_SHARED_DATA_DIR)
file(MAKE_DIRECTORY ${VELKORA_BUILD_SHARED_DATA_DIR})
foreach(folder demo icons)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/resources/${folder} ${VELKORA_BUILD_SHARED_DATA_DIR}/${folder} SYMBOLIC)
endforeach()

# A program of the installed set: built into the build folder's bin/ and
# installed into the prefix's.
function(velkora_program name)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELKORA_BUILD_PROGRAM_DIR})
    install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# A core library: standard C++ (and SQLite) only. It must never reach Qt,
# so the command line tool and batch jobs run without a display.
function(velkora_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_compile_options(${name} PRIVATE ${VELKORA_WARNINGS})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    set_property(GLOBAL APPEND PROPERTY VELKORA_CORE_TARGETS ${name})
endfunction()

# A window library: Qt Widgets on top of the core.
function(velkora_gui_library name)
    add_library(${name} STATIC ${ARGN})
    target_compile_options(${name} PRIVATE ${VELKORA_WARNINGS})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
endfunction()

# A GoogleTest program over core code; each test shows up in ctest.
# Further test properties follow PROPERTIES (FIXTURES_REQUIRED ...).
function(velkora_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PROPERTIES")
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    target_compile_options(${name} PRIVATE ${VELKORA_WARNINGS})
    target_link_libraries(${name} PRIVATE velkora_test_support GTest::gtest GTest::gtest_main)
    # One variable a property: gtest_discover_tests would split a list of them.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES
        ENVIRONMENT "VELKORA_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
        ENVIRONMENT_MODIFICATION "VELKORA_RESOURCES=set:${PROJECT_SOURCE_DIR}/resources"
        ${arg_PROPERTIES})
endfunction()

# A QtTest program over windows, run on the offscreen platform.
function(velkora_qtest name)
    add_executable(${name} ${ARGN})
    target_compile_options(${name} PRIVATE ${VELKORA_WARNINGS})
    target_link_libraries(${name} PRIVATE velkora_test_support Qt6::Test Qt6::Widgets)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;VELKORA_SOURCE_DIR=${PROJECT_SOURCE_DIR};VELKORA_RESOURCES=${PROJECT_SOURCE_DIR}/resources")
endfunction()

# Fails the configure step when a core library links Qt, directly or through
# another library: the core/window boundary is a build rule, not a habit.
function(velkora_check_core_boundary)
    get_property(cores GLOBAL PROPERTY VELKORA_CORE_TARGETS)
    foreach(core IN LISTS cores)
        set(pending ${core})
        set(seen "")
        while(pending)
            list(POP_FRONT pending current)
            if(current IN_LIST seen)
                continue()
            endif()
            list(APPEND seen ${current})
            if(current MATCHES "^Qt")
                message(FATAL_ERROR "Core library ${core} links ${current}; core code must not use Qt")
            endif()
            if(TARGET ${current})
                get_target_property(libs ${current} LINK_LIBRARIES)
                if(libs)
                    list(APPEND pending ${libs})
                endif()
                get_target_property(ilibs ${current} INTERFACE_LINK_LIBRARIES)
                if(ilibs)
                    list(APPEND pending ${ilibs})
                endif()
            endif()
        endwhile()
    endforeach()
endfunction()

# Adds every child folder of `parent` that has a CMakeLists.txt.
function(velkora_add_child_dirs parent)
    file(GLOB children LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/${parent}/*)
    foreach(child IN LISTS children)
        if(EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# A benchmark program: prints its figures, never part of the test run.
function(velkora_benchmark name)
    add_executable(${name} ${ARGN})
    target_compile_options(${name} PRIVATE ${VELKORA_WARNINGS})
    target_link_libraries(${name} PRIVATE benchmark::benchmark)
endfunction()

# A libFuzzer target (clang, -DVELKORA_FUZZ=ON or the "fuzz" preset).
function(velkora_fuzzer name)
    add_executable(${name} ${ARGN})
    target_compile_options(${name} PRIVATE ${VELKORA_WARNINGS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
