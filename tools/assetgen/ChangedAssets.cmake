# cmake -DSTAMP=<stamp> -DOUTPUTS=<files> -P ChangedAssets.cmake: removes the
# stamp when one of the files is newer than it, so that the asset step runs.
foreach(output ${OUTPUTS})
  if(EXISTS ${STAMP} AND EXISTS ${output} AND ${output} IS_NEWER_THAN ${STAMP})
    message(STATUS "Changed since it was made: ${output}")
    file(REMOVE ${STAMP})
  endif()
endforeach()
