; The Windows installer: Plinkapad for every user of the machine in Program Files, a Start
; menu entry and an uninstaller. Each user's own pictures, sounds and settings live in their
; %LOCALAPPDATA%\Plinkapad, filled at their first start, and stay there when the program is
; uninstalled. Made by scripts/windows.sh:
;   makensis -DVERSION=2.0 -DAPPDIR=build-windows\Plinkapad -DOUTFILE=... Plinkapad.nsi
; A 64-bit installer for the 64-bit program.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Plinkapad"

Name "Plinkapad"
Caption "Plinkapad ${VERSION} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Plinkapad"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Plinkapad ${VERSION}"
LicenseData "${LICENSE}"
!ifdef ICON
Icon "${ICON}"
UninstallIcon "${ICON}"
!endif

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Plinkapad"
    SetOutPath "$INSTDIR"
    File /r "${APPDIR}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateDirectory "$SMPROGRAMS\Plinkapad"
    CreateShortcut "$SMPROGRAMS\Plinkapad\Plinkapad.lnk" "$INSTDIR\plinkapad.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Plinkapad"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\plinkapad.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The program's folder goes whole: it holds only what was installed. What each user made is
; in their own folder and is left alone.
Section "Uninstall"
    Delete "$SMPROGRAMS\Plinkapad\Plinkapad.lnk"
    RMDir "$SMPROGRAMS\Plinkapad"
    RMDir /r "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "SOFTWARE\Quorvel\Plinkapad"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Quorvel"
SectionEnd
