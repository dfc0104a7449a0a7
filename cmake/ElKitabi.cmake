# cmake -DPROGRAM=... -DEK=... -DCIKTI=... -DSURUM=... -P ElKitabi.cmake
# The manual page from the program's --help, under the launcher's name.
get_filename_component(klasor ${CIKTI} DIRECTORY)
set(sarici ${klasor}/fatura-listesi)
file(WRITE ${sarici} "#!/bin/sh\nexec \"${PROGRAM}\" \"$@\"\n")
file(CHMOD ${sarici} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND help2man --no-info --no-discard-stderr --version-string=${SURUM} --include=${EK} --output=${klasor}/fatura-listesi.1
                        ${sarici} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND gzip -9nf ${klasor}/fatura-listesi.1 COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${sarici})
