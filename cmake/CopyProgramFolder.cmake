# Puts the bundled library and the local web pages beside the programs, when they exist.
foreach(f Library.bin Library.asc)
  if(EXISTS ${SRC}/data/sample/${f})
    file(COPY ${SRC}/data/sample/${f} DESTINATION ${DST})
  endif()
endforeach()
if(EXISTS ${SRC}/web)
  file(COPY ${SRC}/web DESTINATION ${DST})
endif()
