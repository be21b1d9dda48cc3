# Run by CPack on its staging tree before it builds the package. Directories that
# install() creates on the way follow the packager's umask, and dpkg would install them
# with exactly those bits, so a strict umask would give unreadable /usr folders.
file(GLOB_RECURSE staged_dirs LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(path "${CPACK_TEMPORARY_DIRECTORY}" ${staged_dirs})
    if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
        file(CHMOD "${path}" DIRECTORY_PERMISSIONS
             OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
