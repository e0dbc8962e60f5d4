# Delay-loaded system DLLs: the program links them through import libraries whose thunks load
# the DLL on the first call, so the DLLs the frame's first look does not need cost nothing at
# start (the dialogs, OLE, the shell, WinINet, the URL moniker). The libraries are made from the
# toolchain's own import libraries: every function they name, through dlltool's delay-import
# mode.
find_program(BRISOVA_NM NAMES x86_64-w64-mingw32-nm REQUIRED)
find_program(BRISOVA_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)

# Sets `out` to the path of a delay-import library for `dll` (a name such as "ole32").
function(brisova_delay_import_library dll out)
  set(dir "${CMAKE_BINARY_DIR}/delay-import")
  set(lib "${dir}/lib${dll}_delay.a")
  find_library(import_${dll} NAMES "lib${dll}.a" REQUIRED)
  if(NOT EXISTS "${lib}" OR "${import_${dll}}" IS_NEWER_THAN "${lib}")
    file(MAKE_DIRECTORY "${dir}")
    execute_process(COMMAND "${BRISOVA_NM}" -g --defined-only "${import_${dll}}"
                    OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "[^\n]* I __imp_[^\n]+" imports "${symbols}")
    set(exports "")
    foreach(line IN LISTS imports)
      string(REGEX REPLACE ".* I __imp_" "" name "${line}")
      list(APPEND exports "${name}")
    endforeach()
    list(REMOVE_DUPLICATES exports)
    list(JOIN exports "\n" body)
    file(WRITE "${dir}/${dll}.def" "LIBRARY ${dll}.dll\nEXPORTS\n${body}\n")
    execute_process(COMMAND "${BRISOVA_DLLTOOL}" -d "${dir}/${dll}.def" -y "${lib}" -D "${dll}.dll"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${out} "${lib}" PARENT_SCOPE)
endfunction()

set(BRISOVA_DELAY_LOADED_LIBRARIES "")
foreach(dll IN ITEMS comdlg32 ole32 oleaut32 shell32 shlwapi wininet urlmon)
  brisova_delay_import_library(${dll} lib)
  list(APPEND BRISOVA_DELAY_LOADED_LIBRARIES "${lib}")
endforeach()
