# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the sound generator into a scratch folder and checks that it gives the committed files.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
foreach(name sound1.wav sound2.wav checkin-ok.wav checkin-again.wav checkin-unknown.wav)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SCRATCH}/${name}"
                            "${COMMITTED}/${name}" RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(FATAL_ERROR "${name} differs from the committed file: regenerate res/Sound")
    endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
