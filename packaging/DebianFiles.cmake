# Run by cpack in the staged tree of each package. A Debian package follows Debian's
# policy: the game in /usr/games, the copyright file and the package's own changelog in the
# documentation folder, manual pages and changelogs compressed. Other package formats stay
# as staged.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

set(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${root}/${CPACK_PEBBLOR_DOCDIR})

# gzip -9n: the best compression, and no name or time stamp, so the bytes are reproducible.
function(compress file)
    execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot compress ${file}")
    endif()
endfunction()

# The game finds its pictures from its own folder, the same way from games/ as from bin/.
if(NOT CPACK_PEBBLOR_BINDIR STREQUAL "games")
    file(MAKE_DIRECTORY ${root}/games)
    file(RENAME ${root}/${CPACK_PEBBLOR_BINDIR}/pebblor ${root}/games/pebblor)
    file(GLOB left ${root}/${CPACK_PEBBLOR_BINDIR}/*)
    if(NOT left)
        file(REMOVE_RECURSE ${root}/${CPACK_PEBBLOR_BINDIR})
    endif()
endif()

# The copyright file holds the licence, so no separate copy of it.
file(REMOVE ${doc}/LICENSE)
file(COPY_FILE ${CPACK_PEBBLOR_DEBIAN_DIR}/copyright ${doc}/copyright)
file(COPY_FILE ${CPACK_PEBBLOR_DEBIAN_DIR}/changelog ${doc}/changelog.Debian)
compress(${doc}/changelog.Debian)
compress(${doc}/NEWS)
compress(${doc}/replay-format.md)
file(GLOB_RECURSE pages ${root}/${CPACK_PEBBLOR_MANDIR}/*)
foreach(page IN LISTS pages)
    compress(${page})
endforeach()
