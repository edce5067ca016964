# The native build: unit tests of the logic that needs no Windows API, the two Windows
# builds (the 32-bit program, and the 64-bit build that the end-to-end tests run under
# Wine), and the end-to-end tests themselves.
include(CTest)
include(ExternalProject)
find_package(GTest REQUIRED)
include(cmake/tray_icons.cmake)
make_tray_icon_source(TRAY_ICON_SOURCE)

file(GLOB PURE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/engine/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/*.cpp
  ${CMAKE_SOURCE_DIR}/host/*.cpp)
list(FILTER PURE_SOURCES EXCLUDE REGEX "/win32_[^/]*\\.cpp$")
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)

function(add_unit_tests name)
  add_executable(${name} ${UNIT_TEST_SOURCES} ${PURE_SOURCES} ${TRAY_ICON_SOURCE})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${TEXT_CHARSET_FLAGS} -Wall -Wextra ${ARGN})
  target_link_options(${name} PRIVATE ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

add_unit_tests(unit_tests)
add_unit_tests(unit_tests_sanitized -fsanitize=address,undefined -fno-sanitize-recover=all -g)

set(WINDOWS_BUILD_ROOT ${CMAKE_BINARY_DIR}/windows)
foreach(arch i686 x86_64)
  ExternalProject_Add(windows_${arch}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${WINDOWS_BUILD_ROOT}/${arch}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-${arch}.cmake
               -DCMAKE_BUILD_TYPE=Release
               -DBUILD_TESTING_PROGRAMS=$<IF:$<STREQUAL:${arch},x86_64>,ON,OFF>
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
endforeach()

# The end-to-end tests run the 64-bit build: this kind of host may run 64-bit code only.
set(E2E_BUILD ${WINDOWS_BUILD_ROOT}/x86_64)
add_subdirectory(tests/e2e ${CMAKE_BINARY_DIR}/e2e)

add_test(NAME executable.i686
         COMMAND ${CMAKE_SOURCE_DIR}/tests/executable/check_executable.sh
                 ${WINDOWS_BUILD_ROOT}/i686/diskkeeper.exe)
