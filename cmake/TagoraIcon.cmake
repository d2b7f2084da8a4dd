# tagora_icon_png(SIZE OUT_VAR)
# Renders packaging/tagora.svg as a SIZE x SIZE PNG in the current build
# folder (icons/SIZExSIZE/tagora.png) and names the file in OUT_VAR.
find_program(TAGORA_RSVG_CONVERT rsvg-convert)
if(NOT TAGORA_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert renders the PNG icons: apt install librsvg2-bin")
endif()

function(tagora_icon_png size out)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
    set(icon ${dir}/tagora.png)
    set(svg ${PROJECT_SOURCE_DIR}/packaging/tagora.svg)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${TAGORA_RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${svg}
        DEPENDS ${svg}
        VERBATIM)
    set(${out} ${icon} PARENT_SCOPE)
endfunction()
