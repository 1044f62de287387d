; Per-user installer for Tarvio. Built by scripts/package.sh, which passes:
;   VERSION (x.y.z.w), EXE32, EXE64, HELP, SAMPLE_INI, OUTFILE
;
; Command line (besides the usual /S and /D=dir):
;   /AUTOSTART     select "start with Windows" (a new installation has it selected)
;   /NOAUTOSTART   deselect it (an update otherwise keeps the current choice)
;   /LANG=EN       English texts, /LANG=DE German (the default); either one skips
;                  the language question
; Exit codes: 0 done, 1 cancelled, 2 aborted, 3 Tarvio was running, 4 (silent) the
; folder cannot be made the user's own (see MakeFolderOwn).

; ANSI: the Unicode stub calls W functions, which Windows 98 and ME have only as
; stubs that fail. The ANSI stub calls only A functions and loads on Windows 95 and later.
Unicode false

!ifndef VERSION | EXE32 | EXE64 | HELP | SAMPLE_INI | OUTFILE
  !error "tarvio.nsi needs VERSION, EXE32, EXE64, HELP, SAMPLE_INI and OUTFILE"
!endif

!define PRODUCT "Tarvio"
!define PUBLISHER "Tarvio"
; The window class the program registers, read from its own source, so that the two
; cannot drift apart: the installer finds a running Tarvio by this class alone.
!searchparse /file "../src/platform/win32/form_class.h" \
  'inline constexpr const char* kFormClassName = "' MAIN_WINDOW_CLASS '";'
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvio"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "uninstall.exe"
!define EXIT_RUNNING 3
!define EXIT_FOLDER 4

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; The default folder is set in .onInit: Windows 9x without user profiles has no
; per-user application data folder. An update goes where the last installation went,
; unless /D= says otherwise (on 98 and ME .onInit reads the machine's entry).
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
; Everything lives in the user's own folders and registry: never ask for elevation.
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include WinVer.nsh

!define MUI_ABORTWARNING
; The language chosen in .onInit applies only from here on, so an interactive
; run asks about a running Tarvio once the pages are about to show.
!define MUI_CUSTOMFUNCTION_GUIINIT EnsureNotRunning
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.EnsureNotRunning
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarvio.exe"
; The uninstaller finds the language the user chose with the registration.
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINST_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_LANGDLL_WINDOWTITLE "Sprache / Language"
!define MUI_LANGDLL_INFO "Bitte wählen Sie eine Sprache.$\r$\nPlease select a language."

!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the default.
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"
!include "strings.nsh"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${PRODUCT} Installation"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${PUBLISHER}"

; A running Tarvio holds tarvio.exe open and would keep the old plan in memory,
; so neither install nor uninstall goes ahead while a window of its class exists.
; Silent runs take "Cancel" and end with EXIT_RUNNING.
!macro DEFINE_ENSURE_NOT_RUNNING PREFIX
  Function ${PREFIX}EnsureNotRunning
    retry:
      FindWindow $0 "${MAIN_WINDOW_CLASS}"
      ${If} $0 <> 0
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(MsgRunning)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${EXIT_RUNNING}
        Quit
      ${EndIf}
  FunctionEnd
!macroend
!insertmacro DEFINE_ENSURE_NOT_RUNNING ""
!insertmacro DEFINE_ENSURE_NOT_RUNNING "un."

; The uninstall entry, where the control panel's list of programs ("Software", "Add/Remove
; Programs") looks for it. From Windows 2000 on that list shows the user's own entries in
; HKCU too, so the entry stays with the rest of a per-user installation; the list of
; Windows 98 and ME reads HKLM alone, which any user may write there.
!macro WRITE_UNINSTALL_ENTRY ROOT
  WriteRegStr ${ROOT} "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr ${ROOT} "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr ${ROOT} "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr ${ROOT} "${UNINST_KEY}" "DisplayIcon" '"$INSTDIR\tarvio.exe"'
  WriteRegStr ${ROOT} "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr ${ROOT} "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr ${ROOT} "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD ${ROOT} "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD ${ROOT} "${UNINST_KEY}" "NoRepair" 1
  WriteRegDWORD ${ROOT} "${UNINST_KEY}" "EstimatedSize" $0
!macroend

; The Run value counts as ours only when it starts this installation's program, quoted
; as the installer writes it or not, as a hand-made one may be.
!macro AUTOSTART_IS_OURS RESULT
  ReadRegStr ${RESULT} HKCU "${RUN_KEY}" "${PRODUCT}"
  ${If} ${RESULT} == '"$INSTDIR\tarvio.exe"'
  ${OrIf} ${RESULT} == "$INSTDIR\tarvio.exe"
    StrCpy ${RESULT} 1
  ${Else}
    StrCpy ${RESULT} 0
  ${EndIf}
!macroend

; The folder must be the user's own: Tarvio runs from it at every logon, as this user. From
; Vista on a folder made in the root of a drive (C:\Tarvio) lets every signed-in user change
; it, and on 2000 and XP add files to it, a DLL among them. Inside the user's profile only
; the user, SYSTEM and the administrators may change anything. Elsewhere a new folder (or
; an empty one, one holding only the plan an uninstall kept, or an earlier installation's)
; is restricted to these three by the system's icacls, which Vista brought; where it is
; missing (2000, XP) or fails (a drive without rights, such as FAT32), the folder is refused.
; A folder that was there before must belong to one of the three: its owner may always
; change its rights again. Windows 98 and ME know no rights.
; $R9: 1 when the folder is the user's own, else 0.
Function MakeFolderOwn
  StrCpy $R9 1
  ${IfNot} ${IsNT}
    Return
  ${EndIf}
  ; The folder as Windows resolves it ("..", "."), which need not exist yet.
  System::Call 'kernel32::GetFullPathNameA(t "$INSTDIR", i ${NSIS_MAX_STRLEN}, t .R8, p 0) i .R7'
  ${If} $R7 = 0
    StrCpy $R8 "$INSTDIR"
  ${EndIf}
  StrLen $R7 "$PROFILE\"
  StrCpy $R6 "$R8\" $R7
  ${If} $PROFILE != ""
  ${AndIf} $R6 == "$PROFILE\"
    Return
  ${EndIf}
  StrCpy $R9 0
  ${IfNot} ${FileExists} "$SYSDIR\icacls.exe"
    Return
  ${EndIf}
  ; A folder holding other things keeps its rights: others may need them.
  ${If} ${FileExists} "$R8\*.*"
  ${AndIfNot} ${FileExists} "$R8\tarvio.exe"
    FindFirst $R5 $R6 "$R8\*.*"
    ${DoWhile} $R6 != ""
      ${If} $R6 != "."
      ${AndIf} $R6 != ".."
      ${AndIf} $R6 != "Provider.INI"
        FindClose $R5
        Return
      ${EndIf}
      FindNext $R5 $R6
    ${Loop}
    FindClose $R5
  ${EndIf}
  StrCpy $R7 0
  ${IfNot} ${FileExists} "$R8\*.*"
    CreateDirectory "$R8"
    StrCpy $R7 1
  ${EndIf}
  Call UserSid
  ${If} $R7 = 0
    Call FolderOwner
    ${If} $R3 != $R4
    ${AndIf} $R3 != "S-1-5-18"
    ${AndIf} $R3 != "S-1-5-32-544"
      StrCpy $R4 ""
    ${EndIf}
  ${EndIf}
  ${If} $R4 != ""
    ExecWait '"$SYSDIR\icacls.exe" "$R8" /inheritance:r /grant:r *$R4:(OI)(CI)F *S-1-5-18:(OI)(CI)F *S-1-5-32-544:(OI)(CI)F' $R6
    ${If} $R6 == 0
      StrCpy $R9 1
      Return
    ${EndIf}
  ${EndIf}
  ${If} $R7 = 1
    RMDir "$R8"
  ${EndIf}
FunctionEnd

; $R3: the SID of the owner of the folder $R8 ("S-1-5-..."), "" where Windows does not say.
Function FolderOwner
  Push $0
  Push $1
  Push $2
  StrCpy $R3 ""
  ; SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION
  System::Call 'advapi32::GetNamedSecurityInfoA(t R8, i 1, i 1, *p .r1, p 0, p 0, p 0, *p .r2) i .r0'
  ${If} $0 = 0
    Push $1
    Call SidText
    Pop $R3
    System::Call 'kernel32::LocalFree(p r2)'
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; $R4: the SID of the user who runs the installer ("S-1-5-21-..."), "" where Windows does not say.
Function UserSid
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $R4 ""
  System::Call 'advapi32::OpenProcessToken(p -1, i 0x8, *p .r1) i .r0'
  ${If} $0 <> 0
    System::Call 'advapi32::GetTokenInformation(p r1, i 1, p 0, i 0, *i .r2)'
    System::Alloc $2
    Pop $3
    System::Call 'advapi32::GetTokenInformation(p r1, i 1, p r3, i r2, *i .r2) i .r0'
    ${If} $0 <> 0
      System::Call '*$3(p .r4)'
      Push $4
      Call SidText
      Pop $R4
    ${EndIf}
    System::Free $3
    System::Call 'kernel32::CloseHandle(p r1)'
  ${EndIf}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; Pops the address of a SID and pushes its text ("S-1-..."), "" where Windows does not say.
Function SidText
  Exch $0
  Push $1
  Push $2
  System::Call 'advapi32::ConvertSidToStringSidA(p r0, *p .r1) i .r2'
  StrCpy $0 ""
  ${If} $2 <> 0
    System::Call '*$1(&m${NSIS_MAX_STRLEN} .r0)'
    System::Call 'kernel32::LocalFree(p r1)'
  ${EndIf}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; The folder page: a folder that cannot be the user's own is chosen again.
Function DirectoryLeave
  Call MakeFolderOwn
  ${If} $R9 <> 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(MsgFolderNotOwn)"
    Abort
  ${EndIf}
FunctionEnd

Section "-Program" SecProgram
  ; Tarvio may have been started while the pages were shown.
  Call EnsureNotRunning
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=tarvio.exe" "${EXE64}"
  ${Else}
    File "/oname=tarvio.exe" "${EXE32}"
  ${EndIf}
  File "/oname=hilfe.htm" "${HELP}"
  ; The plan is the user's own: an existing one is never replaced.
  SetOverwrite off
  File "/oname=Provider.INI" "${SAMPLE_INI}"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tarvio.exe" "" "$INSTDIR\tarvio.exe" 0 SW_SHOWNORMAL "" "$(ShortcutDesc)"

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  ${If} ${IsNT}
    !insertmacro WRITE_UNINSTALL_ENTRY HKCU
  ${Else}
    !insertmacro WRITE_UNINSTALL_ENTRY HKLM
  ${EndIf}
SectionEnd

; Selected for a new installation: Tarvio is there to switch at every hour of every day,
; and without autostart nothing switches after the next logon.
Section "$(SecAutostartName)" SecAutostart
  ; Quoted, so a folder with blanks still starts the right program.
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\tarvio.exe"'
SectionEnd

Section "-Autostart off"
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
    !insertmacro AUTOSTART_IS_OURS $0
    ${If} $0 = 1
      DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} $(SecProgramDesc)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} $(SecAutostartDesc)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ${If} $INSTDIR == ""
  ${AndIfNot} ${IsNT}
    ReadRegStr $INSTDIR HKLM "${UNINST_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $INSTDIR == ""
    ${If} $LOCALAPPDATA != ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Tarvio"
    ${Else}
      StrCpy $INSTDIR "$PROGRAMFILES\Tarvio"
    ${EndIf}
  ${EndIf}
  ; German unless asked otherwise, whatever the system's language.
  StrCpy $LANGUAGE ${LANG_GERMAN}
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${If} ${Errors}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${ElseIf} $R1 == "EN"
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${EndIf}

  ${If} ${Silent}
    Call EnsureNotRunning
  ${EndIf}

  ; An update (Tarvio is registered, where 98 and ME keep it in the machine's key) keeps
  ; the user's earlier choice; the command line overrides it.
  ReadRegStr $R2 HKCU "${UNINST_KEY}" "InstallLocation"
  ${If} $R2 == ""
  ${AndIfNot} ${IsNT}
    ReadRegStr $R2 HKLM "${UNINST_KEY}" "InstallLocation"
  ${EndIf}
  !insertmacro AUTOSTART_IS_OURS $R1
  ${If} $R2 != ""
  ${AndIf} $R1 = 0
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/AUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecAutostart}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/NOAUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}

  ; A silent run shows no folder page: its folder is checked here.
  ${If} ${Silent}
    Call MakeFolderOwn
    ${If} $R9 <> 1
      SetErrorLevel ${EXIT_FOLDER}
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  ${If} ${Silent}
    Call un.EnsureNotRunning
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.EnsureNotRunning
  Delete "$INSTDIR\tarvio.exe"
  Delete "$INSTDIR\hilfe.htm"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Provider.INI holds the user's plan and stays; so the folder goes only when
  ; nothing else is left in it.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro AUTOSTART_IS_OURS $0
  ${If} $0 = 1
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  ; The user's key also holds the language chosen, on every Windows.
  DeleteRegKey HKCU "${UNINST_KEY}"
  ${IfNot} ${IsNT}
    DeleteRegKey HKLM "${UNINST_KEY}"
  ${EndIf}
SectionEnd
