# Run at install time: makes `link` a relative symbolic link to `link_target`,
# both given relative to the installation prefix.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
get_filename_component(link_dir "${root}/${link}" DIRECTORY)
file(RELATIVE_PATH relative "${link_dir}" "${root}/${link_target}")
file(MAKE_DIRECTORY "${link_dir}")
message(STATUS "Installing: ${root}/${link} -> ${relative}")
file(CREATE_LINK "${relative}" "${root}/${link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${root}/${link}")
