# Installs a build into a fresh DESTDIR with the prefix /usr, as the Debian
# package does, and checks the tree: every file a desktop needs is there, the
# pieces name each other correctly, and the freedesktop validators accept
# them. A validator that is not installed is reported as a skip (the
# project's scripts/deps.sh installs them all).
#   cmake -DBUILD_DIR=<build> -DSTAGE=<empty dir to use> -P CheckInstallTree.cmake
cmake_minimum_required(VERSION 3.25)

set(app org.example.Tablerix)
set(mime application/x-tablerix-game)
set(mime_icon application-x-tablerix-game)
set(failures "")
set(skipped "")

# Kept as text: a message may hold semicolons, which a list would split.
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(rc)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()
set(usr "${STAGE}/usr")
set(share "${usr}/share")

# Nothing may land outside the prefix.
file(GLOB top RELATIVE "${STAGE}" "${STAGE}/*")
if(NOT top STREQUAL "usr")
  fail("installed outside /usr: ${top}")
endif()

set(expected
  bin/tablerix
  bin/tablerix-engine
  share/applications/${app}.desktop
  share/metainfo/${app}.metainfo.xml
  share/mime/packages/${app}.xml
  share/icons/hicolor/scalable/apps/${app}.svg
  share/icons/hicolor/scalable/mimetypes/${mime_icon}.svg
  share/man/man6/tablerix.6.gz
  share/man/man6/tablerix-engine.6.gz
  share/doc/tablerix/copyright
  share/doc/tablerix/changelog.gz)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app}.png
                       share/icons/hicolor/${size}x${size}/mimetypes/${mime_icon}.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${usr}/${f}")
    fail("missing /usr/${f}")
  endif()
endforeach()

foreach(program tablerix tablerix-engine)
  execute_process(COMMAND test -x "${usr}/bin/${program}" RESULT_VARIABLE rc)
  if(rc)
    fail("/usr/bin/${program} is not executable")
  endif()
endforeach()

# Each PNG is as large as its folder says: width and height from the IHDR chunk.
file(GLOB_RECURSE pngs "${share}/icons/*.png")
foreach(png IN LISTS pngs)
  string(REGEX MATCH "/([0-9]+)x([0-9]+)/" dir "${png}")
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT "/${w}x${h}/" STREQUAL dir)
    fail("${png} is ${w}x${h}")
  endif()
endforeach()

# The desktop entry starts the installed program by its full path (found
# whatever the PATH) with a file, names an installed icon, the game-file type
# the MIME package defines and PGN (by its old name and the current one).
file(READ "${share}/applications/${app}.desktop" entry)
function(expect_entry_line line)
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    set(failures "${failures}\n  desktop entry lacks '${line}'" PARENT_SCOPE)
  endif()
endfunction()
expect_entry_line("Exec=/usr/bin/tablerix %f")
expect_entry_line("Icon=${app}")
expect_entry_line("MimeType=${mime};application/x-chess-pgn;application/vnd.chess-pgn;")
if(entry MATCHES "\nTryExec=")
  fail("desktop entry has a TryExec line, which hides it when the program is not on the PATH")
endif()
if(entry MATCHES "@")
  fail("desktop entry keeps a template placeholder")
endif()
expect_entry_line("Categories=Game;BoardGame;")
expect_entry_line("Name=Tablerix")
if(NOT entry MATCHES "\nKeywords=[^\n]*ajedrez;chess;")
  fail("desktop entry keywords lack 'ajedrez;chess;'")
endif()
file(READ "${share}/mime/packages/${app}.xml" package)
if(NOT package MATCHES "type=\"${mime}\"")
  fail("MIME package does not define ${mime}")
endif()
file(READ "${share}/metainfo/${app}.metainfo.xml" metainfo)
foreach(needle "<id>${app}</id>" "<launchable type=\"desktop-id\">${app}.desktop</launchable>"
               "<release version=\"1.0\"" "<mediatype>${mime}</mediatype>"
               "<mediatype>application/x-chess-pgn</mediatype>")
  string(FIND "${metainfo}" "${needle}" at)
  if(at EQUAL -1)
    fail("metainfo lacks ${needle}")
  endif()
endforeach()

macro(run_tool tool)
  find_program(tool_path ${tool} NO_CACHE)
  if(NOT tool_path)
    list(APPEND skipped ${tool})
  else()
    execute_process(COMMAND ${tool_path} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(rc)
      fail("${tool} ${ARGN}: ${out}")
    endif()
  endif()
  unset(tool_path)
endmacro()

run_tool(desktop-file-validate "${share}/applications/${app}.desktop")
run_tool(appstreamcli validate --no-net "${share}/metainfo/${app}.metainfo.xml")
# The whole tree too: the metainfo's desktop entry and icons must be found.
run_tool(appstreamcli validate-tree --no-net "${STAGE}")
# Debian ships no schema for MIME packages: well-formed, and the database
# tool must read it into a case-sensitive glob.
run_tool(xmllint --noout "${share}/mime/packages/${app}.xml")
find_program(update_mime update-mime-database NO_CACHE)
if(update_mime)
  set(mimedb "${STAGE}-mime")
  file(REMOVE_RECURSE "${mimedb}")
  file(COPY "${share}/mime/packages" DESTINATION "${mimedb}")
  execute_process(COMMAND ${update_mime} "${mimedb}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  file(STRINGS "${mimedb}/globs2" globs REGEX "tablerix")
  file(STRINGS "${mimedb}/icons" icons REGEX "tablerix")
  if(rc OR NOT "50:${mime}:*.Chess:cs" IN_LIST globs OR NOT "${mime}:${mime_icon}" IN_LIST icons)
    fail("update-mime-database: rc=${rc} ${err} globs=${globs} icons=${icons}")
  endif()
else()
  list(APPEND skipped update-mime-database)
endif()
# The compressed pages are whole.
run_tool(gzip -t "${share}/man/man6/tablerix.6.gz" "${share}/man/man6/tablerix-engine.6.gz"
  "${share}/doc/tablerix/changelog.gz")

if(failures)
  message(FATAL_ERROR "installed tree:${failures}")
endif()
if(skipped)
  message("Skipped checks, tools not installed: ${skipped}")
endif()
message("installed tree checked: ${STAGE}")
