# Shared settings for every target of the project, so warning flags live in one place.

function(quorvel_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
endfunction()

# A GoogleTest executable for pure code: quorvel_add_gtest(name SOURCES a.cpp LIBS lib...)
function(quorvel_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quorvel_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# A Qt Test executable for widgets, run off-screen: quorvel_add_qtest(name SOURCES a.cpp LIBS lib...)
function(quorvel_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quorvel_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# An end-to-end test: a shell script that starts the real program under its own Xvfb.
function(quorvel_add_e2e name script)
  add_test(NAME ${name}
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${script} $<TARGET_FILE:quorvel>
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES LABELS e2e TIMEOUT 120 RUN_SERIAL TRUE)
endfunction()
