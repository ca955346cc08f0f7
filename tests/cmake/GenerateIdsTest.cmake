# Runs the id generator on a small form, menu and string table, each case with
# one change, and checks that it writes the named ids of the good data and
# stops with the reason on the rest.
cmake_minimum_required(VERSION 3.25)

set(form [=[{"id": 102, "name": "MainForm", "controls": [
  {"kind": "label", "text": "no id"},
  {"id": 1004, "name": "CompileButton", "kind": "flatbutton"},
  {"id": 1005, "name": "RunButton", "kind": "button"},
  {"id": 1102, "name": "JdkEdit", "kind": "edit"}]}]=])
set(menus [=[{"menu": [{"text": "(&C)", "items": [
  {"id": 32772, "name": "Compile", "text": "Javacでコンパイル(&C)", "key": "Ctrl+C"},
  {"separator": true},
  {"id": 32773, "name": "RunJava", "text": "Javaで実行(&J)", "key": "Ctrl+J"},
  {"id": 57665, "name": "Exit", "text": "終了(&X)"}]}],
 "buttons": [{"button": "CompileButton", "command": "Compile"}, {"button": "RunButton", "command": "RunJava"}]}]=])
set(strings [=[[{"id": 57666, "name": "VersionLine", "text": "Tarnwick"}]]=])

set(failures 0)

# tw_case(title FILE file FROM text TO text [EXPECT regex]): the data with one
# replacement in file (form, menus or strings); without EXPECT it must pass.
function(tw_case title)
  cmake_parse_arguments(C "" "FILE;FROM;TO;EXPECT" "" ${ARGN})
  set(dir "${WORK}/${title}")
  file(REMOVE_RECURSE "${dir}")
  foreach(part form menus strings)
    set(text "${${part}}")
    if(part STREQUAL C_FILE)
      string(FIND "${text}" "${C_FROM}" at)
      if(at EQUAL -1)
        message(SEND_ERROR "${title}: \"${C_FROM}\" is not in the ${part}")
      endif()
      string(REPLACE "${C_FROM}" "${C_TO}" text "${text}")
    endif()
    set(${part}_text "${text}")
  endforeach()
  file(WRITE "${dir}/forms/102.json" "${form_text}")
  file(WRITE "${dir}/menus.json" "${menus_text}")
  file(WRITE "${dir}/strings.json" "${strings_text}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DFORMS_DIR=${dir}/forms -DMENUS=${dir}/menus.json -DSTRINGS=${dir}/strings.json
            -DFORM_HEADER=${dir}/FormIds.h -DSTRING_HEADER=${dir}/StringIds.h -DCOMMAND_HEADER=${dir}/CommandIds.h
            -P ${GENERATOR}
    RESULT_VARIABLE result ERROR_VARIABLE error OUTPUT_QUIET)
  string(REGEX REPLACE "[ \n]+" " " error "${error}")
  if(NOT C_EXPECT)
    file(READ "${dir}/CommandIds.h" commands)
    file(READ "${dir}/FormIds.h" forms)
    file(READ "${dir}/StringIds.h" names)
    if(NOT result EQUAL 0 OR NOT commands MATCHES "int Compile = 32772;\ninline constexpr int RunJava = 32773;"
       OR NOT forms MATCHES "namespace MainForm {\ninline constexpr int Id = 102;\ninline constexpr int CompileButton"
       OR NOT names MATCHES "int VersionLine = 57666;")
      message(SEND_ERROR "${title}: expected the headers, got ${result}: ${error}")
    endif()
  elseif(result EQUAL 0 OR NOT error MATCHES "${C_EXPECT}")
    message(SEND_ERROR "${title}: expected a stop with \"${C_EXPECT}\", got ${result}: ${error}")
  endif()
endfunction()

tw_case(good)
tw_case(repeated-control-id FILE form FROM "1005" TO "1004" EXPECT "the id 1004 is given twice \\(again for RunButton\\)")
tw_case(repeated-control-name FILE form FROM "RunButton\"" TO "CompileButton\"" EXPECT "the name CompileButton is given twice")
tw_case(form-not-named-by-id FILE form FROM "\"id\": 102" TO "\"id\": 103" EXPECT "must be 103.json")
tw_case(repeated-command-id FILE menus FROM "32773" TO "32772" EXPECT "the id 32772 is given twice")
tw_case(command-without-name FILE menus FROM "\"name\": \"Exit\", " TO "" EXPECT "id 57665 needs a \"name\"")
tw_case(repeated-key FILE menus FROM "Ctrl+J" TO "Ctrl+C" EXPECT "the key Ctrl\\+C is given twice \\(again for RunJava\\)")
tw_case(key-in-the-text FILE menus FROM "(&J)\"" TO "(&J)\\tCtrl+J\"" EXPECT "RunJava: the key goes into \"key\"")
tw_case(malformed-key FILE menus FROM "Ctrl+J" TO "Ctrl-J" EXPECT "the key \"Ctrl-J\" is not of the form")
tw_case(button-of-no-command FILE menus FROM "\"command\": \"RunJava\"" TO "\"command\": \"Run\""
        EXPECT "the command \"Run\" of RunButton is no menu item")
tw_case(command-of-no-button FILE menus FROM "\"button\": \"RunButton\"" TO "\"button\": \"JdkEdit\""
        EXPECT "the button \"JdkEdit\" is no button of MainForm")
tw_case(button-twice FILE menus FROM "\"button\": \"RunButton\"" TO "\"button\": \"CompileButton\""
        EXPECT "the button CompileButton is given twice")
tw_case(repeated-string-id FILE strings FROM "\"Tarnwick\"}" TO "\"Tarnwick\"}, {\"id\": 57666, \"name\": \"Copyright\"}"
        EXPECT "the id 57666 is given twice")
