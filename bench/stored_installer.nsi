; A stored (uncompressed) installer of the same files, the yardstick for the
; engine's speed, memory and size. SRC is the folder of the files. Silent,
; or with PAGE defined showing its progress page, which closes by itself.
Name "bench"
OutFile "${OUT}"
SetCompress off
RequestExecutionLevel user
InstallDir "C:\nsis_bench"
!ifdef PAGE
Page instfiles
AutoCloseWindow true
!else
SilentInstall silent
!endif

Section
    SetOutPath "$INSTDIR"
    File "${SRC}/*"
SectionEnd
