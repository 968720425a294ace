# cmake -DREADME=FILE -DTABLE=FILE -P quoted_in_readme.cmake: fails unless README holds the whole
# text of TABLE as it stands, so that the developers' notes never show a layer table the build
# no longer checks.
file(READ ${README} readme)
file(READ ${TABLE} table)
string(FIND "${readme}" "${table}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${README} does not quote ${TABLE} as it stands: copy the file into it")
endif()
