# cmake -DSOURCE=<file> -DDESTINATION=<file> -P copy_if_absent.cmake
# Copies SOURCE to DESTINATION unless DESTINATION already exists (even as a broken link).
if(NOT EXISTS "${DESTINATION}" AND NOT IS_SYMLINK "${DESTINATION}")
  if(EXISTS "${SOURCE}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}")
  else()
    message(WARNING "No sample catalogue at ${SOURCE}")
  endif()
endif()
