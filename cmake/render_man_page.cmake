# cmake -DGROFF=groff -DPAGE=tool.6 -DTEXT=tool.txt -P render_man_page.cmake
# Renders a manual page as plain ASCII text, without overstriking, on one
# continuous page, with Windows line ends for Notepad.
execute_process(
  COMMAND ${GROFF} -man -rcR=1 -Tascii -P-c -P-b -P-o -P-u ${PAGE}
  OUTPUT_VARIABLE text
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "groff failed on ${PAGE}: ${result}")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${TEXT} "${text}")
