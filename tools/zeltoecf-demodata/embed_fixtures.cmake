# Writes OUTPUT: a C++ source holding every *.csv of FIXTURE_DIR as bytes,
# reached through demodata::embedded_fixtures() (fixture_source.hpp).

file(GLOB files RELATIVE ${FIXTURE_DIR} ${FIXTURE_DIR}/*.csv)
list(SORT files)

set(body "// Generated from tools/zeltoecf-demodata/fixtures by embed_fixtures.cmake.\n")
string(APPEND body "#include \"fixture_source.hpp\"\n\nnamespace zelto::demodata {\nnamespace {\n\n")
set(table "")
set(index 0)
foreach(name ${files})
  file(READ ${FIXTURE_DIR}/${name} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
  string(APPEND body "const unsigned char kFile${index}[] = {\n${bytes}0};\n\n")
  string(APPEND table "      {\"${name}\", std::string_view(reinterpret_cast<const char*>(kFile${index}), ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()

string(APPEND body "}  // namespace\n\nstd::span<const EmbeddedFixture> embedded_fixtures() {\n")
string(APPEND body "  static const EmbeddedFixture files[] = {\n${table}  };\n  return files;\n}\n\n")
string(APPEND body "}  // namespace zelto::demodata\n")

file(WRITE ${OUTPUT} "${body}")
