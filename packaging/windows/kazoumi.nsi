; SPDX-FileCopyrightText: 2026 The Kazoumi developers
; SPDX-License-Identifier: GPL-3.0-or-later
; The game's installer for Windows, in French. release.py runs makensis on it with
;   /DVERSION=1.2.3 text version   /DNUMERIC_VERSION=1.2.3.4   /DSTAGE=folder of the files
;   /DLISTS=folder of files.nsh and unfiles.nsh   /DICON=die icon   /DOUTFILE=installer to write
;   /DPICTURES=folder of the pages' pictures (welcome.bmp, header.bmp)
; files.nsh holds the File lines and unfiles.nsh the Delete lines, written together so that the
; uninstaller removes exactly what the installer put.
; Installs for all users into Program Files\Kazoumi, with a Start-menu shortcut and an entry in
; the list of installed programs; /S installs (and uninstalls) silently.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Installed files get the time of installation, and the installer carries no build time.
SetDateSave off

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WinVer.nsh"

!define PUBLISHER "Quibette Marnal"
; Where a version already installed lies, if any.
Var installed
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kazoumi"

Name "Kazoumi"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kazoumi"
RequestExecutionLevel admin
ShowInstDetails nevershow
ShowUninstDetails nevershow
; The bottom line of every page names the game, not the installer's maker.
BrandingText "Kazoumi ${VERSION}"

VIProductVersion "${NUMERIC_VERSION}"
VIAddVersionKey /LANG=1036 "ProductName" "Kazoumi"
VIAddVersionKey /LANG=1036 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de Kazoumi"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The die, drawn by the game, on the welcome and finish pages and in the other pages' header.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PICTURES}/welcome.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${PICTURES}/welcome.bmp"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${PICTURES}/header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${PICTURES}/header.bmp"
!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_TEXT_TOP "Kazoumi est un logiciel libre, sous la licence publique générale GNU, version 3 ou plus récente."
!insertmacro MUI_PAGE_LICENSE "${STAGE}/COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page's "Lancer Kazoumi" starts the game through the desktop's shell, which runs it
; with the rights of the user logged in, not with the administrator's rights of the installer.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsUser
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
    ; The game's Qt runs on Windows 10 version 1809 (build 17763) and later.
    ${IfNot} ${AtLeastBuild} 17763
        MessageBox MB_ICONSTOP|MB_OK "Kazoumi demande Windows 10 version 1809 ou plus récent." /SD IDOK
        Abort
    ${EndIf}
    SetShellVarContext all
    SetRegView 64
    ; A later version goes where the installed one is, unless the user chooses another folder.
    ReadRegStr $installed HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $installed != ""
        StrCpy $INSTDIR $installed
    ${EndIf}
FunctionEnd

Function RunAsUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\kazoumi.exe"'
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section
    ; The installed version's own uninstaller removes it first, where it lies (_?= keeps it from
    ; running from a copy), so that this one takes its place: one folder, one shortcut, one entry
    ; in the list of installed programs.
    ${If} $installed != ""
    ${AndIf} ${FileExists} "$installed\uninstall.exe"
        ExecWait '"$installed\uninstall.exe" /S _?=$installed'
        Delete "$installed\uninstall.exe"
        RMDir "$installed"
    ${EndIf}
    SetOutPath "$INSTDIR"
    !include "${LISTS}/files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Kazoumi.lnk" "$INSTDIR\kazoumi.exe" "" "$INSTDIR\kazoumi.exe" 0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kazoumi"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kazoumi.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; The size the list of installed programs shows, in kilobytes.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Kazoumi.lnk"
    !include "${LISTS}/unfiles.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
