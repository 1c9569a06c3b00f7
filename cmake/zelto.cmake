# Shared build rules: warnings on our own code, the sanitizer switch, and
# one library target per source folder with its allowed dependencies.

if(ZELTO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(zelto_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# zelto_library(NAME <target> SOURCES ... [DEPS ...] [PUBLIC_DEPS ...])
# Every library sees the source root as its include root, so includes read
# "platform/xbase/table.hpp", "store/catalogue.hpp" and so on.
function(zelto_library)
  cmake_parse_arguments(Z "" "NAME" "SOURCES;DEPS;PUBLIC_DEPS" ${ARGN})
  add_library(${Z_NAME} STATIC ${Z_SOURCES})
  target_include_directories(${Z_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${Z_NAME} PUBLIC ${Z_PUBLIC_DEPS} ${Z_DEPS})
  zelto_warnings(${Z_NAME})
endfunction()

# zelto_test(NAME <exe> SOURCES ... DEPS ... [LABELS ...])
function(zelto_test)
  cmake_parse_arguments(Z "" "NAME" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${Z_NAME} ${Z_SOURCES})
  target_include_directories(${Z_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${Z_NAME} PRIVATE ${Z_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  zelto_warnings(${Z_NAME})
  # Where the tree and the build are, for tests that run built programs or
  # copy built libraries into a data folder.
  target_compile_definitions(${Z_NAME} PRIVATE ZELTO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                               ZELTO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${Z_NAME}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES LABELS "${Z_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
