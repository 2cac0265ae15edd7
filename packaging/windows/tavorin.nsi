; The setup program for Windows: `make windows-package` (tools/windows-package.sh) fills STAGE
; with the programs, the Qt and compiler DLLs, the plugins and the sample competition, writes the
; list of those files into STAGE_LIST for the uninstaller, and passes VERSION and OUTFILE.
; /S installs and uninstalls silently.
; A 64-bit setup program for a 64-bit program (and for a Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define APP "Tavorin"
!define PROG_ID "Tavorin.Setup"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavorin"
; SHChangeNotify's SHCNE_ASSOCCHANGED: Explorer reads the associations anew.
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
Icon "tavorin.ico"
UninstallIcon "tavorin.ico"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "FileDescription" "${APP} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Tavorin developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Tavorin"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\tavorin.exe" "" "$INSTDIR\tavorin.exe" 0

    ; A double click on the organizer's setup file opens the competition.
    WriteRegStr HKCR ".stu" "" "${PROG_ID}"
    WriteRegStr HKCR "${PROG_ID}" "" "Competition setup file"
    WriteRegStr HKCR "${PROG_ID}\DefaultIcon" "" "$INSTDIR\tavorin.exe,0"
    WriteRegStr HKCR "${PROG_ID}\shell\open\command" "" '"$INSTDIR\tavorin.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tavorin developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavorin.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what was installed goes: the files by name, then their folders when empty. A studio kept
; in the sample competition's folder (its data files) stays, and so does that folder.
Section "Uninstall"
    !include "${STAGE_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${APP}.lnk"

    ; The association goes only while it is still ours.
    ReadRegStr $0 HKCR ".stu" ""
    StrCmp $0 "${PROG_ID}" 0 +2
    DeleteRegKey HKCR ".stu"
    DeleteRegKey HKCR "${PROG_ID}"
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
