; Brisova's installer: for the current user only, so it needs no administrator rights, into the
; user's own programs folder, which stays writable for the update checker and Brisova.ini.
; Built by installer/make-release with VERSION, PUBLISHER, STAGE (the files to install), ICON
; and OUTFILE defined.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brisova"

Name "Brisova"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Brisova"
; An upgrade goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Brisova ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Brisova"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "Brisova Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Brisova.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Brisova"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Your own data stays unless you tick it below, so that a later installation finds it again."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running Brisova holds its files: the user is asked to close it first, and a silent run ends
; with exit code 2 and nothing changed. The program's own single-instance semaphore tells.
!macro RUNNING_CHECK PREFIX
Function ${PREFIX}WaitForBrisovaToClose
  check:
    System::Call 'kernel32::OpenSemaphoreW(i 0x00100000, i 0, w "Brisova") p .r0'
    IntPtrCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Brisova is running. Close it, then click Retry." /SD IDCANCEL IDRETRY check
    Abort
  closed:
FunctionEnd
!macroend
!insertmacro RUNNING_CHECK ""
!insertmacro RUNNING_CHECK "un."

Function .onInit
  Call WaitForBrisovaToClose
FunctionEnd

Section "Brisova"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ; Files of an earlier version are replaced; the user's own (Brisova.ini, data\startup, the
  ; library's tree and pages) are not among the installed files, so an upgrade keeps them.
  File "${STAGE}/Brisova.exe"
  File "${STAGE}/Brisova.chm"
  File /r "${STAGE}/data"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Brisova.lnk" "$INSTDIR\Brisova.exe" "" "$INSTDIR\Brisova.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Brisova"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Brisova.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "un.Brisova" UnProgram
  SectionIn RO
  SetShellVarContext current
  ; When Brisova is the default browser, the previous browser gets web pages back first.
  IfFileExists "$INSTDIR\Brisova.exe" 0 +2
    ExecWait '"$INSTDIR\Brisova.exe" /unregister'
  Delete "$SMPROGRAMS\Brisova.lnk"
  Delete "$INSTDIR\Brisova.exe"
  Delete "$INSTDIR\Brisova.chm"
  ; Everything under data belongs to the program except the user's start-up pages and library.
  FindFirst $0 $1 "$INSTDIR\data\*"
  data_loop:
    StrCmp $1 "" data_done
    StrCmp $1 "." data_next
    StrCmp $1 ".." data_next
    StrCmp $1 "startup" data_next
    StrCmp $1 "MyInfoLib" data_next
    IfFileExists "$INSTDIR\data\$1\*.*" 0 data_file
      RMDir /r "$INSTDIR\data\$1"
      Goto data_next
    data_file:
      Delete "$INSTDIR\data\$1"
    data_next:
      FindNext $0 $1
      Goto data_loop
  data_done:
  FindClose $0
SectionEnd

Section /o "un.Also remove my settings, start-up pages and ZaDededorizev library" UnUserData
  Delete "$INSTDIR\Brisova.ini"
  Delete "$INSTDIR\data\startup"
  RMDir /r "$INSTDIR\data\MyInfoLib"
SectionEnd

; Last, so that the entry's going means the uninstaller is done. Folders go only when empty:
; whatever else the user keeps there stays.
Section "-un.Entry"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\data"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; A silent uninstall removes the user's data too when asked with /REMOVEDATA.
Function un.onInit
  Call un.WaitForBrisovaToClose
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  IfErrors +2
    SectionSetFlags ${UnUserData} ${SF_SELECTED}
FunctionEnd
