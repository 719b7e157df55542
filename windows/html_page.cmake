# One page of the release archive from a Markdown source of docs/: cmark-gfm makes
# the body; headings get the ids the guide's "#..." links use; links to the other
# Markdown page point at its HTML page, and "../" goes, since the pages sit at the
# archive's top beside examples/ while their sources sit in docs/.
# cmake -DCMARK=... -DSOURCE=docs/NAME.md -DOUTPUT=NAME.html -P html_page.cmake
cmake_minimum_required(VERSION 3.20)
execute_process(COMMAND ${CMARK} --extension table --extension autolink ${SOURCE}
                OUTPUT_VARIABLE body RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmark-gfm failed on ${SOURCE}")
endif()

# Raw HTML of the sources (the guide's example markers) leaves only a note behind.
string(REPLACE "<!-- raw HTML omitted -->\n" "" body "${body}")
# List operations split at ";", which entities hold.
string(REPLACE ";" "@SEMICOLON@" body "${body}")

# Every heading gets its slug as id: tags and entities dropped, lower case, only
# letters, digits, blanks, "-" and "_" kept, blanks as "-".
string(REGEX MATCHALL "<h[1-6]>[^\n]*</h[1-6]>" headings "${body}")
foreach(heading IN LISTS headings)
  string(REGEX REPLACE "^<h([1-6])>(.*)</h[1-6]>$" "\\1" level "${heading}")
  string(REGEX REPLACE "^<h[1-6]>(.*)</h[1-6]>$" "\\1" text "${heading}")
  string(REGEX REPLACE "<[^>]*>" "" slug "${text}")
  string(REGEX REPLACE "&[a-z]+@SEMICOLON@|&#[0-9]+@SEMICOLON@" "" slug "${slug}")
  string(TOLOWER "${slug}" slug)
  string(REGEX REPLACE "[^a-z0-9 _-]" "" slug "${slug}")
  string(REPLACE " " "-" slug "${slug}")
  string(REPLACE "${heading}" "<h${level} id=\"${slug}\">${text}</h${level}>" body "${body}")
  if(NOT title)
    set(title "${text}")
  endif()
endforeach()

string(REGEX REPLACE "href=\"(guide|events)\\.md" "href=\"\\1.html" body "${body}")
string(REGEX REPLACE "(href|src)=\"\\.\\./" "\\1=\"" body "${body}")
string(REPLACE "@SEMICOLON@" ";" body "${body}")
string(REGEX REPLACE "<[^>]*>" "" title "${title}")
string(REPLACE "@SEMICOLON@" ";" title "${title}")

file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<style>
body { font-family: sans-serif; line-height: 1.5; max-width: 50em; margin: 0 auto; padding: 0 1em 3em; color: #222; }
nav { padding: 0.8em 0; border-bottom: 1px solid #ccc; }
nav a { margin-right: 1.5em; }
pre { background: #f4f4f4; padding: 0.7em; overflow-x: auto; }
code { font-size: 0.95em; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: 0.2em 0.5em; text-align: left; }
img { max-width: 100%; }
</style>
</head>
<body>
<nav><a href=\"guide.html\">Author's guide</a><a href=\"events.html\">Event reference</a></nav>
${body}</body>
</html>
")
