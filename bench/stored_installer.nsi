; A stored (uncompressed), silent installer of the same files, the yardstick
; for the engine's speed, memory and size. SRC is the folder of the files.
Name "bench"
OutFile "${OUT}"
SetCompress off
SilentInstall silent
RequestExecutionLevel user
InstallDir "C:\nsis_bench"

Section
    SetOutPath "$INSTDIR"
    File "${SRC}/*"
SectionEnd
