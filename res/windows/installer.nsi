; The Windows installer: per user, no administrator rights, Start-menu
; shortcuts to the calculator and to the circuit window alone, and an
; uninstaller that leaves nothing behind.
;   makensis -DVERSION=1.0.0.1 -DBIN_DIR=... -DDOC_DIR=... -DICON=... -DOUT_FILE=... installer.nsi
; (scripts/package-windows.sh passes these.)
Unicode true
; A 64-bit installer, as the programs are: it runs where they run, wine64 included.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define PRODUCT "Vendrel"
!define SHORTCUT_NAME "Vendrel 水管比摩阻计算"
!define CIRCUIT_SHORTCUT_NAME "Vendrel 管路水力计算"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vendrel"

Name "${SHORTCUT_NAME}"
OutFile "${OUT_FILE}"
; Under the user's own programs folder, as per-user installers do.
InstallDir "$LOCALAPPDATA\Programs\Vendrel"
InstallDirRegKey HKCU "Software\Vendrel" "InstallDir"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "Vendrel 应用程序"
VIAddVersionKey /LANG=2052 "FileDescription" "Vendrel 水管比摩阻计算 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "© 2026 Vendrel 开发者，MIT 许可"
VIAddVersionKey /LANG=1033 "ProductName" "Vendrel"
VIAddVersionKey /LANG=1033 "FileDescription" "Vendrel pipe friction calculator setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© 2026 The Vendrel developers, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vendrel.exe"
!insertmacro MUI_PAGE_LICENSE "${DOC_DIR}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

Section "Vendrel"
    SetOutPath "$INSTDIR"
    File "${BIN_DIR}\vendrel.exe"
    File "${BIN_DIR}\vendrel-calc.exe"
    File "${DOC_DIR}\README.txt"
    File "${DOC_DIR}\LICENSE.txt"
    SetOutPath "$INSTDIR\fonts"
    File "${BIN_DIR}\fonts\wqy-microhei.ttc"
    File "${BIN_DIR}\fonts\DejaVuSans.ttf"
    File "${BIN_DIR}\fonts\wqy-microhei-copyright.txt"
    File "${BIN_DIR}\fonts\dejavu-copyright.txt"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${SHORTCUT_NAME}.lnk" "$INSTDIR\vendrel.exe"
    CreateShortcut "$SMPROGRAMS\${CIRCUIT_SHORTCUT_NAME}.lnk" "$INSTDIR\vendrel.exe" "--circuit"

    WriteRegStr HKCU "Software\Vendrel" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${SHORTCUT_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vendrel"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vendrel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${SHORTCUT_NAME}.lnk"
    Delete "$SMPROGRAMS\${CIRCUIT_SHORTCUT_NAME}.lnk"
    Delete "$INSTDIR\vendrel.exe"
    Delete "$INSTDIR\vendrel-calc.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    Delete "$INSTDIR\fonts\wqy-microhei.ttc"
    Delete "$INSTDIR\fonts\DejaVuSans.ttf"
    Delete "$INSTDIR\fonts\wqy-microhei-copyright.txt"
    Delete "$INSTDIR\fonts\dejavu-copyright.txt"
    RMDir "$INSTDIR\fonts"
    RMDir "$INSTDIR"
    ; The per-user programs folder goes too if this install made it and it is empty.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\Vendrel"
SectionEnd
