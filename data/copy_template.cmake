# Copies the installation template SOURCE into TARGET (cmake -DSOURCE=... -DTARGET=... -P this).
# Creates every folder of the template, empty ones included, and writes a template file only when
# it differs. Nothing else in TARGET is touched or deleted: settings and skins of the user stay.
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${SOURCE}" "${SOURCE}/*")
file(MAKE_DIRECTORY "${TARGET}")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${SOURCE}/${entry}")
    file(MAKE_DIRECTORY "${TARGET}/${entry}")
  elseif(NOT entry MATCHES "(^|/)\\.gitkeep$")
    get_filename_component(parent "${TARGET}/${entry}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(COPY_FILE "${SOURCE}/${entry}" "${TARGET}/${entry}" ONLY_IF_DIFFERENT)
  endif()
endforeach()
