# Pads the linked stub (-DSTUB=path) with zero bytes to its constant size (-DSIZE=bytes), and fails when
# the program is larger or does not come out at exactly that size.
file(SIZE "${STUB}" linked)
if(linked GREATER SIZE)
  message(FATAL_ERROR "QVL.dat links to ${linked} bytes, more than StubSize ${SIZE}: raise StubSize in app/payload/StubSize.h")
endif()
message(STATUS "QVL.dat: ${linked} bytes linked, padded to ${SIZE}")
execute_process(COMMAND truncate -s ${SIZE} "${STUB}" RESULT_VARIABLE failed)
file(SIZE "${STUB}" padded)
if(failed OR NOT padded EQUAL SIZE)
  message(FATAL_ERROR "QVL.dat is ${padded} bytes, StubSize is ${SIZE}")
endif()
