# cmake -DDOC=FILE -DTABLE=FILE -P quoted_in_doc.cmake: fails unless the page DOC holds the whole
# text of TABLE as it stands, so that the developers' notes never show a layer table the build
# no longer checks.
file(READ ${DOC} doc)
file(READ ${TABLE} table)
string(FIND "${doc}" "${table}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${DOC} does not quote ${TABLE} as it stands: copy the file into it")
endif()
