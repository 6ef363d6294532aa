# Runs the generator into the build tree and fails unless its output equals the committed file.
execute_process(
    COMMAND ${GENERATOR} --data ${DATA_DIR} --output ${OUTPUT}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lunar_tables failed (${result})")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
    RESULT_VARIABLE different)
if(NOT different EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from ${COMMITTED}: regenerate and review the change")
endif()
