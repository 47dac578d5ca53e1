# Precompiled Qt headers for the window program's libraries. The Qt headers every batch of a
# unity build includes cost about a second and a half of compiler time to read; made once into a
# precompiled header and reused by every library that links Qt Widgets, they are read once per
# build. Only libraries share it: executables are compiled with -fPIE, which a header
# precompiled with -fPIC does not fit (the compiler then reads the headers as before).
option(KELVO_PRECOMPILED_QT "Read the common Qt headers once per build (precompiled header)" ON)

function(kelvo_targets_in dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    kelvo_targets_in(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Gives every library below the folders named that links Qt Widgets the shared precompiled header.
function(kelvo_use_precompiled_qt)
  if(NOT KELVO_PRECOMPILED_QT)
    return()
  endif()
  add_library(kelvo_qt_pch STATIC ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/qt_precompiled.cpp)
  target_link_libraries(kelvo_qt_pch PRIVATE Qt6::Widgets)
  set_target_properties(kelvo_qt_pch PROPERTIES AUTOMOC OFF UNITY_BUILD OFF)
  target_precompile_headers(kelvo_qt_pch PRIVATE
    <QAction> <QApplication> <QByteArray> <QDir> <QFile> <QFileInfo> <QKeyEvent> <QLabel>
    <QLineEdit> <QMenu> <QMessageBox> <QPainter> <QPointer> <QPushButton> <QString>
    <QStringList> <QTimer> <QWidget> <functional> <memory> <string> <string_view> <vector>)
  foreach(dir ${ARGN})
    kelvo_targets_in(${CMAKE_CURRENT_SOURCE_DIR}/${dir} targets)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      get_target_property(links ${target} LINK_LIBRARIES)
      if(type MATCHES "^(STATIC|SHARED|MODULE)_LIBRARY$" AND "Qt6::Widgets" IN_LIST links)
        target_precompile_headers(${target} REUSE_FROM kelvo_qt_pch)
        # The moc file of a library whose classes include their moc output is empty: loading the
        # precompiled header would cost it more than compiling it.
        get_target_property(binary_dir ${target} BINARY_DIR)
        set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
          TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
      endif()
    endforeach()
  endforeach()
endfunction()
