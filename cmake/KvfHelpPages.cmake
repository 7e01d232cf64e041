# The editor's help pages, built into kvfgui as resources under :/help: the pages written
# by hand in resources/help (a page per window and command) and the glossary pages, which
# are generated from the keyword catalogue at build time so that every keyword's anchor and
# help text match the catalogue.

add_executable(kvf_glossary_pages tools/MakeGlossaryPages.cpp)
target_link_libraries(kvf_glossary_pages PRIVATE kvfcore)

# Every glossary page the catalogue names; the generator fails when the catalogue and this
# list disagree.
set(KVF_GLOSSARY_PAGES
  glossary_keywords.htm
  glossary_keys_general.htm
  glossary_keys_general_pi.htm
  glossary_keys_master.htm
  glossary_keys_master_dp_extension.htm
  glossary_keys_master_dpv2.htm
  glossary_keys_module_assignment.htm
  glossary_keys_slave.htm
  glossary_keys_slave_data_exchange.htm
  glossary_keys_slave_dp_extension.htm
  glossary_keys_slave_dxb.htm
  glossary_keys_slave_isom.htm
  glossary_keys_slave_safe.htm
  glossary_keys_slave_subsys.htm
  glossary_keys_slave_xprm.htm)
set(KVF_GLOSSARY_DIR ${CMAKE_CURRENT_BINARY_DIR}/help)
list(TRANSFORM KVF_GLOSSARY_PAGES PREPEND ${KVF_GLOSSARY_DIR}/ OUTPUT_VARIABLE KVF_GLOSSARY_FILES)
add_custom_command(
  OUTPUT ${KVF_GLOSSARY_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KVF_GLOSSARY_DIR}
  COMMAND kvf_glossary_pages ${KVF_GLOSSARY_DIR} ${KVF_GLOSSARY_PAGES}
  DEPENDS kvf_glossary_pages
  COMMENT "Generating the glossary help pages from the keyword catalogue"
  VERBATIM)

file(GLOB KVF_HELP_SOURCE_PAGES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/help/*.htm
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/help/*.css)
qt_add_resources(kvfgui kvf_help_pages
  PREFIX /help
  BASE ${CMAKE_CURRENT_SOURCE_DIR}/resources/help
  FILES ${KVF_HELP_SOURCE_PAGES})
qt_add_resources(kvfgui kvf_glossary_pages
  PREFIX /help
  BASE ${KVF_GLOSSARY_DIR}
  FILES ${KVF_GLOSSARY_FILES})
