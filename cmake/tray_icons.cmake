# Builds the tray icons into the program as constant bytes: res/tray_on.ico and
# res/tray_off.ico stay the only copy of the pictures, and a C++ source with their bytes
# is made from them in the build tree. Editing either file makes CMake run again.
function(make_tray_icon_source out_var)
  set(source ${CMAKE_BINARY_DIR}/generated/tray_icons.cpp)
  set(text "// Made by CMake from res/tray_on.ico and res/tray_off.ico; not to be edited.\n")
  string(APPEND text "#include \"ui/tray_icons.h\"\n\nnamespace {\n")
  foreach(icon on off)
    set(file ${CMAKE_SOURCE_DIR}/res/tray_${icon}.ico)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
    string(APPEND text "const unsigned char kBytes_${icon}[] = {\n    ${bytes}\n};\n")
  endforeach()
  string(APPEND text "}  // namespace\n\n")
  string(APPEND text "extern const ByteSpan kTrayIconOn{kBytes_on, sizeof kBytes_on};\n")
  string(APPEND text "extern const ByteSpan kTrayIconOff{kBytes_off, sizeof kBytes_off};\n")
  # Written only when it changed, so that an unrelated run of CMake rebuilds nothing.
  file(WRITE ${source}.new "${text}")
  configure_file(${source}.new ${source} COPYONLY)
  set(${out_var} ${source} PARENT_SCOPE)
endfunction()
