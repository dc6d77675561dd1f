# The game's event sounds: Linux has no system sounds under the Windows names
# a sound theme uses by default, so tolvan-synth-sons makes them at build time
# and they travel inside the program as the resources :/sons/<name>.wav.

set(TOLVAN_SONS
  MenuPopup.wav
  MenuCommand.wav
  AppGPFault.wav
  Minimize.wav
  RestoreUp.wav
  SystemQuestion.wav
  SystemExclamation.wav
  Beep.wav)

function(tolvan_ajoute_sons target)
  if(NOT TARGET tolvan-synth-sons)
    add_executable(tolvan-synth-sons ${PROJECT_SOURCE_DIR}/tools/synth-sons/main.cpp)
    # Plain C++: nothing for Qt's code generators to look at.
    set_target_properties(tolvan-synth-sons PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()

  set(dossier ${CMAKE_BINARY_DIR}/sons)
  list(TRANSFORM TOLVAN_SONS PREPEND ${dossier}/ OUTPUT_VARIABLE fichiers)
  add_custom_command(
    OUTPUT ${fichiers}
    COMMAND tolvan-synth-sons ${dossier}
    DEPENDS tolvan-synth-sons
    COMMENT "Synthesising the game's sounds"
    VERBATIM)
  set_source_files_properties(${fichiers} PROPERTIES GENERATED TRUE)

  qt_add_resources(${target} "sons"
    PREFIX "/sons"
    BASE ${dossier}
    FILES ${fichiers})
endfunction()
