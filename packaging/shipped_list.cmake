# Writes the list of shipped files, which the installation carries and each player's
# game folder is brought up to: "SHA256 SIZE PATH" for every file the build staged into
# the game folder. Run by the build:
#   cmake -DDIST=folder -DCONTENT=path|path|... -DGENERATED=list -DVERSION=v -DOUT=file -P shipped_list.cmake
# CONTENT names the staged content files, GENERATED the file in which the asset
# generator named the files it staged.
string(REPLACE "|" ";" files "${CONTENT}")
file(STRINGS "${GENERATED}" generated)
list(APPEND files ${generated})
list(SORT files)
list(REMOVE_DUPLICATES files)

set(text "# Zelkor ${VERSION}: the files of the game folder, with their SHA-256 and size.\n")
foreach(path IN LISTS files)
  if(NOT EXISTS "${DIST}/${path}")
    message(FATAL_ERROR "shipped file ${DIST}/${path} is missing")
  endif()
  file(SHA256 "${DIST}/${path}" hash)
  file(SIZE "${DIST}/${path}" size)
  string(APPEND text "${hash} ${size} ${path}\n")
endforeach()

# Unchanged contents keep the old file, and its time stamp.
set(old "")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
