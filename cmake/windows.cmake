# The Windows build: the program, and the Win32 programs that test it under Wine.
enable_language(RC)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(MANIFEST_ARCH amd64)
else()
  set(MANIFEST_ARCH x86)
endif()
configure_file(res/program.manifest.in ${CMAKE_BINARY_DIR}/res/program.manifest @ONLY)
configure_file(res/program.ico ${CMAKE_BINARY_DIR}/res/program.ico COPYONLY)
configure_file(res/resource.h ${CMAKE_BINARY_DIR}/res/resource.h COPYONLY)
configure_file(res/program.rc ${CMAKE_BINARY_DIR}/res/program.rc COPYONLY)

set(LEAN_FLAGS -Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections)
set(WARNING_FLAGS -Wall -Wextra)

# Everything of the program but its entry point, shared with the test programs.
file(GLOB CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/host/*.cpp
  ${CMAKE_SOURCE_DIR}/engine/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/*.cpp)
include(cmake/tray_icons.cmake)
make_tray_icon_source(TRAY_ICON_SOURCE)
add_library(program_core STATIC ${CORE_SOURCES} ${TRAY_ICON_SOURCE})
target_include_directories(program_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(program_core PUBLIC ${TEXT_CHARSET_FLAGS} ${LEAN_FLAGS} ${WARNING_FLAGS})
target_compile_definitions(program_core PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(program_core PUBLIC ole32 shell32 comctl32 uuid)

file(GLOB APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.cpp)
add_executable(diskkeeper WIN32 ${APP_SOURCES} ${CMAKE_BINARY_DIR}/res/program.rc)
target_link_libraries(diskkeeper PRIVATE program_core)
target_link_options(diskkeeper PRIVATE -static -s -Wl,--gc-sections)

# The benchmark's baseline (one empty window) and its measuring tool.
add_executable(minimal_window WIN32 ${CMAKE_SOURCE_DIR}/tools/benchmark/minimal_window.cpp)
target_compile_options(minimal_window PRIVATE -Os)
target_link_options(minimal_window PRIVATE -static -s)
add_executable(measure_start ${CMAKE_SOURCE_DIR}/tools/benchmark/measure_start.cpp)
target_link_libraries(measure_start PRIVATE psapi)
target_link_options(measure_start PRIVATE -static)

# Poses the program in the tray for tools/screenshot_tray.sh.
add_executable(tray_pose ${CMAKE_SOURCE_DIR}/tools/screenshot/tray_pose.cpp)
target_link_options(tray_pose PRIVATE -static)

if(BUILD_TESTING_PROGRAMS)
  add_subdirectory(tests/e2e ${CMAKE_BINARY_DIR}/e2e)
endif()
