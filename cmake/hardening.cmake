# The release build is hardened like Debian's own packages: stack protector,
# fortified C library calls, full RELRO with immediate binding. (The compiler
# builds position-independent executables by default.)
set(release $<CONFIG:Release>)
add_compile_options($<${release}:-fstack-protector-strong> $<${release}:-U_FORTIFY_SOURCE>
                    $<${release}:-D_FORTIFY_SOURCE=2>)
add_link_options($<${release}:-Wl,-z,relro,-z,now>)
unset(release)
