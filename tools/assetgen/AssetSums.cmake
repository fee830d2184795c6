# cmake -DSTAMP=<file> -DLIST=<file> [-DRECORD=1] -P AssetSums.cmake
# With RECORD, writes the checksum of every file in the list into the stamp;
# without, takes the stamp away when a file no longer matches, so that the
# asset step runs again. Checksums rather than times: a damaged file may be newer or older.
file(READ ${LIST} outputs)
set(sums "")
foreach(output ${outputs})
  set(sum missing)
  if(EXISTS ${output})
    file(SHA256 ${output} sum)
  endif()
  string(APPEND sums "${sum} ${output}\n")
endforeach()
if(RECORD)
  file(WRITE ${STAMP} "${sums}")
elseif(EXISTS ${STAMP})
  file(READ ${STAMP} recorded)
  if(NOT recorded STREQUAL sums)
    message(STATUS "A generated picture, sample or icon changed since it was made")
    file(REMOVE ${STAMP})
  endif()
endif()
