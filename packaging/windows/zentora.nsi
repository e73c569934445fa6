; The installer of Zentora for 64-bit Windows: Program Files, a Start-menu entry, .FAK files
; opened by the editor, and an uninstaller that removes only what was installed, so invoices
; and Faktury.ini kept in the program's folder or the user's folder stay.
; makensis -DWERSJA=1.0 -DZRODLO=dist/windows/Zentora -DIKONA=zentora.ico -DWYNIK=setup.exe -DUSUN=usun.nsh zentora.nsi
; a 64-bit installer: it runs where the program runs, and Wine without 32-bit support runs it too
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

Name "Zentora ${WERSJA}"
OutFile "${WYNIK}"
InstallDir "$PROGRAMFILES64\Zentora"
InstallDirRegKey HKLM "Software\Zentora" "Folder"
RequestExecutionLevel admin
BrandingText "Zentora ${WERSJA}"
!define MUI_ICON "${IKONA}"
!define MUI_UNICON "${IKONA}"
!define ODINSTALUJ "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentora"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zentora.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Zentora wymaga 64-bitowego systemu Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all   ; the Start-menu entry for every user of the machine
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Zentora"
  SetOutPath "$INSTDIR"
  File /r "${ZRODLO}\*"
  WriteUninstaller "$INSTDIR\odinstaluj.exe"
  WriteRegStr HKLM "Software\Zentora" "Folder" "$INSTDIR"

  CreateShortCut "$SMPROGRAMS\Zentora.lnk" "$INSTDIR\zentora.exe" "" "$INSTDIR\zentora.exe" 0

  ; .FAK files open in the editor
  WriteRegStr HKLM "Software\Classes\.FAK" "" "Zentora.Faktura"
  WriteRegStr HKLM "Software\Classes\Zentora.Faktura" "" "Faktura VAT Zentora"
  WriteRegStr HKLM "Software\Classes\Zentora.Faktura\DefaultIcon" "" "$INSTDIR\zentora.exe,0"
  WriteRegStr HKLM "Software\Classes\Zentora.Faktura\shell\open\command" "" '"$INSTDIR\zentora.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${ODINSTALUJ}" "DisplayName" "Zentora — faktury VAT"
  WriteRegStr HKLM "${ODINSTALUJ}" "DisplayVersion" "${WERSJA}"
  WriteRegStr HKLM "${ODINSTALUJ}" "Publisher" "Zentora"
  WriteRegStr HKLM "${ODINSTALUJ}" "DisplayIcon" "$INSTDIR\zentora.exe"
  WriteRegStr HKLM "${ODINSTALUJ}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${ODINSTALUJ}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
  WriteRegStr HKLM "${ODINSTALUJ}" "QuietUninstallString" '"$INSTDIR\odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${ODINSTALUJ}" "NoModify" 1
  WriteRegDWORD HKLM "${ODINSTALUJ}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; only the installed files, one by one; folders go only when nothing else is left in them
  !include "${USUN}"
  Delete "$INSTDIR\odinstaluj.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Zentora.lnk"
  ReadRegStr $0 HKLM "Software\Classes\.FAK" ""
  StrCmp $0 "Zentora.Faktura" 0 +2
    DeleteRegKey HKLM "Software\Classes\.FAK"
  DeleteRegKey HKLM "Software\Classes\Zentora.Faktura"
  DeleteRegKey HKLM "${ODINSTALUJ}"
  DeleteRegKey HKLM "Software\Zentora"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
