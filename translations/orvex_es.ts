<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Core</name>
    <message>
        <source>Please choose an output directory first.</source>
        <translation>Elija primero una carpeta de destino.</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>No se puede abrir el portapapeles</translation>
    </message>
    <message>
        <source>The page could not be printed</source>
        <translation>No se pudo imprimir la página</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Select a directory to save the files.</source>
        <translation>Seleccione una carpeta para guardar los archivos.</translation>
    </message>
    <message>
        <source>Yahoo Messenger dat files (*.dat)</source>
        <translation>Archivos dat de Yahoo Messenger (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Favorite conversations</source>
        <translation>Conversaciones favoritas</translation>
    </message>
    <message>
        <source>Yahoo ID: </source>
        <translation>ID de Yahoo: </translation>
    </message>
    <message>
        <source>Yahoo ID: multiple</source>
        <translation>ID de Yahoo: varios</translation>
    </message>
    <message>
        <source>Local user</source>
        <translation>Usuario local</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amigo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>mensajes</translation>
    </message>
    <message>
        <source>words</source>
        <translation>palabras</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>avg words/message</source>
        <translation>media de palabras/mensaje</translation>
    </message>
    <message>
        <source>avg word length</source>
        <translation>longitud media de palabra</translation>
    </message>
    <message>
        <source>avg bytes/message</source>
        <translation>media de bytes/mensaje</translation>
    </message>
    <message>
        <source>conversations started</source>
        <translation>conversaciones iniciadas</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Relevancia</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>HTML file (*.html);;All files (*)</source>
        <translation>Archivo HTML (*.html);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Text file (*.txt);;All files (*)</source>
        <translation>Archivo de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Saving conversations...</source>
        <translation>Guardando conversaciones...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Select a directory from which to read the archive.</source>
        <translation>Seleccione la carpeta desde la que leer el historial.</translation>
    </message>
    <message>
        <source>Select another archive folder to read with the one shown.</source>
        <translation>Seleccione otra carpeta de historial para leerla junto con la mostrada.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files?<byte value="xd"/>
</source>
        <translation>¿Seguro que desea eliminar %1 archivos?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files permanently?<byte value="xd"/>
</source>
        <translation>¿Seguro que desea eliminar %1 archivos de forma permanente?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There is no trash here: they are deleted for good.</source>
        <translation>Aquí no hay papelera: se eliminarán definitivamente.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>1 file cannot be moved to the trash. Delete it permanently?</source>
        <translation>No se puede mover 1 archivo a la papelera. ¿Eliminarlo de forma permanente?</translation>
    </message>
    <message>
        <source>%1 files cannot be moved to the trash. Delete them permanently?</source>
        <translation>No se pueden mover %1 archivos a la papelera. ¿Eliminarlos de forma permanente?</translation>
    </message>
    <message>
        <source>They are moved to the trash, from where they can be restored.</source>
        <translation>Se moverán a la papelera, desde donde se pueden restaurar.</translation>
    </message>
</context>
<context>
    <name>HelpActions</name>
    <message>
        <source>The guide was not found. It belongs in
%1

Installing the program again puts it back.</source>
        <translation>No se encontró la guía. Debería estar en
%1

Vuelva a instalar el programa para restaurarla.</translation>
    </message>
</context>
<context>
    <name>KeepActions</name>
    <message>
        <source>Save conversations as a website</source>
        <translation>Guardar conversaciones como sitio web</translation>
    </message>
    <message>
        <source>Save conversations as JSON files</source>
        <translation>Guardar conversaciones como archivos JSON</translation>
    </message>
    <message>
        <source>All conversations listed</source>
        <translation>Todas las conversaciones de la lista</translation>
    </message>
    <message>
        <source>Only selected</source>
        <translation>Solo las seleccionadas</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Contactos seleccionados</translation>
    </message>
    <message>
        <source>The website has been saved in
%1

Open it now?</source>
        <translation>El sitio web se ha guardado en
%1

¿Abrirlo ahora?</translation>
    </message>
    <message>
        <source>Save as website</source>
        <translation>Guardar como sitio web</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>%1 conversations printed out of %2</source>
        <translation>%1 de %2 conversaciones impresas</translation>
    </message>
</context>
<context>
    <name>orvex::ContactTreePanel</name>
    <message>
        <source>No message archives were found in this folder.

To choose the folder that holds them, click the &quot;...&quot; button beside the path box, or choose &quot;Open message archive folder...&quot; in the File menu.</source>
        <translation>No se encontraron historiales de mensajes en esta carpeta.

Para elegir la carpeta que los contiene, haga clic en el botón &quot;...&quot; junto al cuadro de la ruta, o elija &quot;Abrir carpeta del historial...&quot; en el menú Archivo.</translation>
    </message>
    <message>
        <source>Message archiving: </source>
        <translation>Archivado de mensajes: </translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Also read: 1 more archive folder</source>
        <translation>También se lee: 1 carpeta de historial más</translation>
    </message>
    <message>
        <source>Also read: %1 more archive folders</source>
        <translation>También se leen: %1 carpetas de historial más</translation>
    </message>
    <message>
        <source> (%1 gone or without archives, left out)</source>
        <translation> (%1 inexistentes o sin historial, omitidas)</translation>
    </message>
    <message>
        <source>Missing:
</source>
        <translation>Faltan:
</translation>
    </message>
    <message>
        <source>Read with:
</source>
        <translation>Leída junto con:
</translation>
    </message>
    <message>
        <source>Message archiving: click to switch it</source>
        <translation>Archivado de mensajes: haga clic para cambiarlo</translation>
    </message>
    <message>
        <source>Archive folder</source>
        <translation>Carpeta del historial</translation>
    </message>
    <message>
        <source>The folder the message archives are read from</source>
        <translation>La carpeta de la que se lee el historial de mensajes</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Elegir la carpeta del historial</translation>
    </message>
    <message>
        <source>Identities and contacts</source>
        <translation>Identidades y contactos</translation>
    </message>
    <message>
        <source>Filter contacts</source>
        <translation>Filtrar contactos</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>activado</translation>
    </message>
</context>
<context>
    <name>orvex::FindBar</name>
    <message>
        <source>Find in view</source>
        <translation>Buscar en la vista</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
</context>
<context>
    <name>orvex::ListPanel</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversaciones</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>Búsqueda: </translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texto de búsqueda</translation>
    </message>
    <message>
        <source>Searches the conversations listed for this text</source>
        <translation>Busca este texto en las conversaciones de la lista</translation>
    </message>
    <message>
        <source>Conversation list tabs</source>
        <translation>Pestañas de la lista de conversaciones</translation>
    </message>
</context>
<context>
    <name>orvex::LongActionRunner</name>
    <message>
        <source>%1 files processed out of %2</source>
        <translation>%1 de %2 archivos procesados</translation>
    </message>
    <message>
        <source>%1 files searched out of %2</source>
        <translation>%1 de %2 archivos buscados</translation>
    </message>
    <message>
        <source>%1 files saved out of %2</source>
        <translation>%1 de %2 archivos guardados</translation>
    </message>
</context>
<context>
    <name>orvex::StatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Messages, words and bytes of the conversations shown</source>
        <translation>Mensajes, palabras y bytes de las conversaciones mostradas</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Messenger Archive Viewer </source>
        <translation>Messenger Archive Viewer </translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>Versión 1.02</translation>
    </message>
    <message>
        <source>Free to use and to share; provided as is, without warranty.</source>
        <translation>Uso y distribución libres; se ofrece tal cual, sin garantía.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmMain</name>
    <message>
        <source>Open message archive folder...</source>
        <translation>Abrir carpeta del historial...</translation>
    </message>
    <message>
        <source>Open .dat file...</source>
        <translation>Abrir archivo .dat...</translation>
    </message>
    <message>
        <source>Add archive folder...</source>
        <translation>Añadir carpeta de historial...</translation>
    </message>
    <message>
        <source>Remove added archive folders</source>
        <translation>Quitar carpetas de historial añadidas</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>Guardar como HTML...</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>Guardar como texto...</translation>
    </message>
    <message>
        <source>Save as individual HTML files...</source>
        <translation>Guardar como archivos HTML individuales...</translation>
    </message>
    <message>
        <source>Save as individual text files...</source>
        <translation>Guardar como archivos de texto individuales...</translation>
    </message>
    <message>
        <source>Save as website...</source>
        <translation>Guardar como sitio web...</translation>
    </message>
    <message>
        <source>Save as JSON files...</source>
        <translation>Guardar como archivos JSON...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Configurar página...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Format toolbar</source>
        <translation>Barra de formato</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Message viewer</source>
        <translation>Visor de mensajes</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Copy html code to clipboard</source>
        <translation>Copiar código HTML al portapapeles</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Show in Explorer</source>
        <translation>Mostrar en Explorer</translation>
    </message>
    <message>
        <source>Select all messages</source>
        <translation>Seleccionar todos los mensajes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Foro</translation>
    </message>
    <message>
        <source>Suggestions and bugs reports</source>
        <translation>Sugerencias e informes de errores</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Conversation</source>
        <translation>&amp;Conversación</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Forum</source>
        <translation>&amp;Foro</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>Leyendo archivos...</translation>
    </message>
    <message>
        <source>Orvex Yahoo Message Archive Reader is currently reading archive files</source>
        <translation>Orvex Yahoo Message Archive Reader está leyendo los archivos del historial</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Orvex Messenger Archive</source>
        <translation>Orvex Messenger Archive</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Opens the guide shipped with the program</source>
        <translation>Abre la guía incluida con el programa</translation>
    </message>
    <message>
        <source>Opens the forum in the web browser</source>
        <translation>Abre el foro en el navegador</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Archivos leídos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Search box</source>
        <translation>Cuadro de búsqueda</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <translation>Abre un menú</translation>
    </message>
    <message>
        <source>Find in view...</source>
        <translation>Buscar en la vista...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Buscar anterior</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmOpenDat</name>
    <message>
        <source>Open .dat files</source>
        <translation>Abrir archivos .dat</translation>
    </message>
    <message>
        <source>File (s):</source>
        <translation>Archivo(s):</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Seleccionar archivos</translation>
    </message>
    <message>
        <source>Username (needed for decoding the archive file):</source>
        <translation>Nombre de usuario (necesario para descodificar el archivo del historial):</translation>
    </message>
    <message>
        <source>Username of the friend:</source>
        <translation>Nombre de usuario del amigo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>(multiple files)</source>
        <translation>(varios archivos)</translation>
    </message>
    <message>
        <source>Error: please select at least one file.</source>
        <translation>Error: seleccione al menos un archivo.</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmSaveDir</name>
    <message>
        <source>Save conversations to HTML files</source>
        <translation>Guardar conversaciones en archivos HTML</translation>
    </message>
    <message>
        <source>Save conversations to plain text files</source>
        <translation>Guardar conversaciones en archivos de texto sin formato</translation>
    </message>
    <message>
        <source>Selected conversations</source>
        <translation>Conversaciones seleccionadas</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Contactos seleccionados</translation>
    </message>
    <message>
        <source>All the archive</source>
        <translation>Todo el historial</translation>
    </message>
    <message>
        <source>Output directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvex::ViewerPanel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Bold, italic, underline</source>
        <translation>Negrita, cursiva, subrayado</translation>
    </message>
    <message>
        <source>Fonts and colors</source>
        <translation>Fuentes y colores</translation>
    </message>
    <message>
        <source>Smileys images</source>
        <translation>Imágenes de emoticonos</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>En bruto</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Conversation page</source>
        <translation>Página de la conversación</translation>
    </message>
    <message>
        <source>The conversations chosen in the list</source>
        <translation>Las conversaciones elegidas en la lista</translation>
    </message>
</context>
</TS>
