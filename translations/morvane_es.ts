<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Renames a batch of files in one directory in one pass, with a preview and undo.
Files named here start out chosen, as if selected with &quot;Select &quot;; one directory
named alone is where &quot;Select &quot; opens.</source>
        <translation>Renombra un lote de archivos de una carpeta en una sola pasada, con vista previa y deshacer.
Los archivos indicados aquí quedan elegidos, como con «Seleccionar»; una carpeta
indicada sola es donde se abre «Seleccionar».</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Files of one directory to rename, or one directory.</source>
        <translation>Archivos de una carpeta que renombrar, o una carpeta.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ARCHIVO...]</translation>
    </message>
    <message>
        <source>The full help (HTML, also on F1): %1</source>
        <translation>La ayuda completa (HTML, también con F1): %1</translation>
    </message>
    <message>
        <source>License GPL-3.0-or-later: free software under the GNU General Public License, version 3 or later, without any warranty.</source>
        <translation>Licencia GPL-3.0-or-later: software libre bajo la Licencia Pública General de GNU, versión 3 o posterior, sin ninguna garantía.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Morvane Help</source>
        <translation>Ayuda de Morvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>number added</source>
        <translation>número añadido</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>conserva su nombre</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>%1, hidden</source>
        <translation>%1, oculto</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 file will be renamed</source>
        <translation>Se renombrará 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files will be renamed</source>
        <translation>
            <numerusform>Se renombrará %n archivo</numerusform>
            <numerusform>Se renombrarán %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 keeps its name</source>
        <translation>1 conserva su nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n keep their names</source>
        <translation>
            <numerusform>%n conserva su nombre</numerusform>
            <numerusform>%n conservan sus nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>1 will be skipped</source>
        <translation>1 se omitirá</translation>
    </message>
    <message numerus="yes">
        <source>%n will be skipped</source>
        <translation>
            <numerusform>%n se omitirá</numerusform>
            <numerusform>%n se omitirán</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Only the first %1 files are covered.</source>
        <translation>Solo se tienen en cuenta los primeros %1 archivos.</translation>
    </message>
    <message>
        <source>1 new name begins with a dot and will be hidden.</source>
        <translation>1 nombre nuevo empieza por un punto y quedará oculto.</translation>
    </message>
    <message numerus="yes">
        <source>%n new names begin with a dot and will be hidden.</source>
        <translation>
            <numerusform>%n nombre nuevo empieza por un punto y quedará oculto.</numerusform>
            <numerusform>%n nombres nuevos empiezan por un punto y quedarán ocultos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error # %1</source>
        <translation>Error n.º %1</translation>
    </message>
    <message>
        <source>Some Files Were Skipped</source>
        <translation>Se omitieron algunos archivos</translation>
    </message>
    <message>
        <source>under review</source>
        <translation>en revisión</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>aceptado</translation>
    </message>
    <message>
        <source>partly undone</source>
        <translation>deshecho en parte</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>deshecho</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>sin terminar</translation>
    </message>
    <message>
        <source>no date taken: date modified used</source>
        <translation>sin fecha de captura: se usa la de modificación</translation>
    </message>
    <message>
        <source>%1, no date taken: date modified used</source>
        <translation>%1, sin fecha de captura: se usa la de modificación</translation>
    </message>
    <message>
        <source>The folder at %1 holds none of the files renamed there; nothing was changed, the pass stays in the history.</source>
        <translation>La carpeta %1 no contiene ninguno de los archivos que se renombraron allí; no se ha cambiado nada y la pasada sigue en el historial.</translation>
    </message>
    <message>
        <source>1 already had its old name.</source>
        <translation>1 ya tenía su nombre anterior.</translation>
    </message>
    <message numerus="yes">
        <source>%n already had their old names.</source>
        <translation>
            <numerusform>%n ya tenía su nombre anterior.</numerusform>
            <numerusform>%n ya tenían su nombre anterior.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found: %1; the pass keeps them for a later undo.</source>
        <translation>No encontrados: %1; la pasada los conserva para deshacerlos más tarde.</translation>
    </message>
    <message>
        <source>Renamed again by a later pass: %1. Undo that one first.</source>
        <translation>Renombrados de nuevo por una pasada posterior: %1. Deshaga primero esa.</translation>
    </message>
    <message>
        <source>Not given back yet: %1, whose old names are held by files a rename cut short may have left: %2. Remove those that are not yours, then undo again.</source>
        <translation>Aún no devueltos: %1, porque sus nombres anteriores están ocupados por archivos que puede haber dejado un cambio de nombre interrumpido: %2. Elimine los que no sean suyos y vuelva a deshacer.</translation>
    </message>
    <message>
        <source>These files may be left from a rename that was cut short: %1. Remove those that are not yours.</source>
        <translation>Estos archivos pueden haber quedado de un cambio de nombre interrumpido: %1. Elimine los que no sean suyos.</translation>
    </message>
    <message>
        <source>skipped: its date could not be read</source>
        <translation>omitido: no se pudo leer su fecha</translation>
    </message>
    <message>
        <source>skipped: this folder&apos;s file system refuses the name &quot;%1&quot;</source>
        <translation>omitido: el sistema de archivos de esta carpeta rechaza el nombre «%1»</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>this folder</source>
        <translation>esta carpeta</translation>
    </message>
    <message>
        <source>Change it with Options &gt; Set Options.</source>
        <translation>Cámbielo en Opciones &gt; Establecer opciones.</translation>
    </message>
    <message>
        <source>The prefix holds &quot;/&quot;, which no file name may contain.</source>
        <translation>El prefijo contiene «/», que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>The suffix holds &quot;/&quot;, which no file name may contain.</source>
        <translation>El sufijo contiene «/», que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>The prefix holds a NUL character, which no file name may contain.</source>
        <translation>El prefijo contiene un carácter NUL, que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>The suffix holds a NUL character, which no file name may contain.</source>
        <translation>El sufijo contiene un carácter NUL, que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>A new name would be empty. Set a prefix or a suffix, or choose another mask.</source>
        <translation>Un nombre nuevo quedaría vacío. Establezca un prefijo o un sufijo, o elija otra máscara.</translation>
    </message>
    <message>
        <source>A new name would be &quot;%1&quot;, which names a folder, not a file. Choose another mask.</source>
        <translation>Un nombre nuevo sería «%1», que designa una carpeta, no un archivo. Elija otra máscara.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds &quot;/&quot;, which no file name may contain.</source>
        <translation>El nombre nuevo «%1» contiene «/», que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds a NUL character, which no file name may contain.</source>
        <translation>El nombre nuevo «%1» contiene un carácter NUL, que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds a character that no file name can store.</source>
        <translation>El nombre nuevo «%1» contiene un carácter que ningún nombre de archivo puede guardar.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; is longer than the 255 bytes a file name may have. Use a shorter prefix or suffix.</source>
        <translation>El nombre nuevo «%1» supera los 255 bytes que puede tener un nombre de archivo. Use un prefijo o un sufijo más corto.</translation>
    </message>
    <message>
        <source>A new name is not one that a file may have. Use a shorter prefix or suffix, or another mask.</source>
        <translation>Un nombre nuevo no está permitido para un archivo. Use un prefijo o un sufijo más corto, u otra máscara.</translation>
    </message>
    <message>
        <source>The mask is not where the example name has it. Highlight it again and press Set Mask.</source>
        <translation>La máscara no está donde la tiene el nombre de ejemplo. Resáltela de nuevo y pulse Establecer máscara.</translation>
    </message>
    <message>
        <source>The system ran out of memory. Close other programs, then try again.</source>
        <translation>El sistema se quedó sin memoria. Cierre otros programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The starting number is not a number. Change it with Options &gt; Set Options.</source>
        <translation>El número inicial no es un número. Cámbielo en Opciones &gt; Establecer opciones.</translation>
    </message>
    <message>
        <source>The system refused for a reason Morvane does not know. Check the folder, then try again.</source>
        <translation>El sistema se negó por un motivo que Morvane no conoce. Compruebe la carpeta y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>A renamed file is no longer in %1, so it cannot get its old name back.</source>
        <translation>Un archivo renombrado ya no está en %1 y no puede recuperar su nombre anterior.</translation>
    </message>
    <message>
        <source>A file to rename is no longer in %1. Choose the files again with Select.</source>
        <translation>Un archivo que renombrar ya no está en %1. Elija de nuevo los archivos con Seleccionar.</translation>
    </message>
    <message>
        <source>The disk reported an input/output error. Check the disk, then try again.</source>
        <translation>El disco informó de un error de entrada/salida. Compruebe el disco y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No free numbered name was found for a file. Move some files away, then try again.</source>
        <translation>No se encontró ningún nombre numerado libre para un archivo. Mueva algunos archivos y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The disk is full. Free some space, then try again.</source>
        <translation>El disco está lleno. Libere espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Too many files are open. Close other programs, then try again.</source>
        <translation>Hay demasiados archivos abiertos. Cierre otros programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>A file would have to move to another disk, which a rename cannot do.</source>
        <translation>Un archivo tendría que pasar a otro disco, algo que un cambio de nombre no puede hacer.</translation>
    </message>
    <message>
        <source>Morvane may not change the files in %1. Check the folder&apos;s permissions.</source>
        <translation>Morvane no puede modificar los archivos de %1. Compruebe los permisos de la carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 is gone. Choose the files again with Select.</source>
        <translation>La carpeta %1 ya no existe. Elija de nuevo los archivos con Seleccionar.</translation>
    </message>
    <message>
        <source>A file was left under a temporary name. Undo Last Rename gives it its old name back.</source>
        <translation>Un archivo quedó con un nombre provisional. Deshacer el último cambio de nombre le devuelve su nombre anterior.</translation>
    </message>
    <message>
        <source>Something failed (error %1).</source>
        <translation>Algo ha fallado (error %1).</translation>
    </message>
    <message>
        <source>1 file was renamed.</source>
        <translation>Se renombró 1 archivo.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were renamed.</source>
        <translation>
            <numerusform>Se renombró %n archivo.</numerusform>
            <numerusform>Se renombraron %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files were skipped: they could not be renamed, or lie past the 1001st.</source>
        <translation>Se omitieron algunos archivos: no se pudieron renombrar o están después del 1001.º.</translation>
    </message>
    <message>
        <source>Accept the new names, or Undo the changes.</source>
        <translation>Acepte los nuevos nombres o deshaga los cambios.</translation>
    </message>
    <message>
        <source>1 file has its old name again.</source>
        <translation>1 archivo vuelve a tener su nombre anterior.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have their old names again.</source>
        <translation>
            <numerusform>%n archivo vuelve a tener su nombre anterior.</numerusform>
            <numerusform>%n archivos vuelven a tener sus nombres anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some of the files handed over were left out: only files that the chooser shows, all in one folder, are taken.</source>
        <translation>Se dejaron fuera algunos de los archivos recibidos: solo se toman archivos que muestra el selector, todos de una misma carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: you may not read it.</source>
        <translation>No se puede abrir la carpeta %1: no tiene permiso para leerla.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: it is gone.</source>
        <translation>No se puede abrir la carpeta %1: ya no existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: it is not a folder.</source>
        <translation>No se puede abrir la carpeta %1: no es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>No se puede abrir la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the file system of %1 is read-only</source>
        <translation>el sistema de archivos de %1 es de solo lectura</translation>
    </message>
    <message>
        <source>you may not change the folder %1</source>
        <translation>no tiene permiso para modificar la carpeta %1</translation>
    </message>
    <message>
        <source>immutable files cannot be renamed</source>
        <translation>un archivo inmutable no puede cambiar de nombre</translation>
    </message>
    <message>
        <source>the folder %1 is marked immutable</source>
        <translation>la carpeta %1 está marcada como inmutable</translation>
    </message>
    <message>
        <source>files in use cannot be renamed</source>
        <translation>un archivo en uso no puede cambiar de nombre</translation>
    </message>
    <message>
        <source>this file system allows only shorter names</source>
        <translation>este sistema de archivos solo admite nombres más cortos</translation>
    </message>
    <message>
        <source>this file system does not accept a character of the new name</source>
        <translation>este sistema de archivos no admite un carácter del nuevo nombre</translation>
    </message>
    <message>
        <source>the file system refused the rename</source>
        <translation>el sistema de archivos rechazó el cambio de nombre</translation>
    </message>
    <message>
        <source>%1 and 1 other</source>
        <translation>%1 y 1 más</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n others</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>No home folder is set to keep it in (HOME).</source>
        <translation>No hay ninguna carpeta personal definida donde guardarlo (HOME).</translation>
    </message>
    <message>
        <source>%1 is a file, where a folder is needed.</source>
        <translation>%1 es un archivo, y ahí hace falta una carpeta.</translation>
    </message>
    <message>
        <source>You may not write in %1.</source>
        <translation>No tiene permiso para escribir en %1.</translation>
    </message>
    <message>
        <source>You may not read %1.</source>
        <translation>No tiene permiso para leer %1.</translation>
    </message>
    <message>
        <source>%1 lies on a read-only file system.</source>
        <translation>%1 está en un sistema de archivos de solo lectura.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full. Free some space, then try again.</source>
        <translation>El disco que contiene %1 está lleno. Libere espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Morvane cannot read the folder %1, where it keeps the renames it can undo.</source>
        <translation>Morvane no puede leer la carpeta %1, donde guarda los cambios de nombre que puede deshacer.</translation>
    </message>
    <message>
        <source>Nothing was renamed: Morvane has no folder to keep what it needs to undo a rename.</source>
        <translation>No se cambió ningún nombre: Morvane no tiene ninguna carpeta donde guardar lo que necesita para deshacer un cambio de nombre.</translation>
    </message>
    <message>
        <source>Nothing was renamed: Morvane cannot keep what it needs to undo a rename in %1.</source>
        <translation>No se cambió ningún nombre: Morvane no puede guardar en %1 lo que necesita para deshacer un cambio de nombre.</translation>
    </message>
    <message>
        <source>Morvane could not write to %1, where it keeps the renames it can undo.</source>
        <translation>Morvane no pudo escribir en %1, donde guarda los cambios de nombre que puede deshacer.</translation>
    </message>
    <message>
        <source>Check that it exists and can be read.</source>
        <translation>Compruebe que existe y que se puede leer.</translation>
    </message>
    <message>
        <source>Check that it can be written.</source>
        <translation>Compruebe que se puede escribir en ella.</translation>
    </message>
    <message>
        <source>A file could not get its old name back: %1.</source>
        <translation>Un archivo no pudo recuperar su nombre anterior: %1.</translation>
    </message>
    <message>
        <source>A file could not be renamed: %1.</source>
        <translation>No se pudo cambiar el nombre de un archivo: %1.</translation>
    </message>
    <message>
        <source>(1 with a number added)</source>
        <translation>(1 de ellos con un número añadido)</translation>
    </message>
    <message numerus="yes">
        <source>(%n with a number added)</source>
        <translation>
            <numerusform>(%n de ellos con un número añadido)</numerusform>
            <numerusform>(%n de ellos con un número añadido)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was skipped: %1 (%2).</source>
        <translation>Se omitió 1 archivo: %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n files were skipped: %1 (%2).</source>
        <translation>
            <numerusform>Se omitió %n archivo: %1 (%2).</numerusform>
            <numerusform>Se omitieron %n archivos: %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was renamed.</source>
        <translation>No se cambió el nombre de ningún archivo.</translation>
    </message>
    <message>
        <source>The new name of 1 file was kept.</source>
        <translation>Se aceptó el nuevo nombre de 1 archivo.</translation>
    </message>
    <message numerus="yes">
        <source>The new names of %n files were kept.</source>
        <translation>
            <numerusform>Se aceptó el nuevo nombre de %n archivo.</numerusform>
            <numerusform>Se aceptaron los nuevos nombres de %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The date format is empty. Type one, such as yyyy-MM-dd_.</source>
        <translation>El formato de fecha está vacío. Escriba uno, por ejemplo yyyy-MM-dd_.</translation>
    </message>
    <message>
        <source>The date format holds &quot;/&quot;, which no file name may contain.</source>
        <translation>El formato de fecha contiene «/», que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>The date format holds a NUL character, which no file name may contain.</source>
        <translation>El formato de fecha contiene un carácter NUL, que ningún nombre de archivo puede contener.</translation>
    </message>
</context>
<context>
    <name>UndoProgress</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Giving the files renamed in %1 their old names back...</source>
        <translation>Los archivos renombrados en %1 recuperan sus nombres anteriores...</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Stopped waiting for %1. The undo goes on and reports when the folder answers.</source>
        <translation>Se dejó de esperar a %1. La acción de deshacer continúa e informará cuando la carpeta responda.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Morvane is free software under the GNU General Public License, version 3 or later. It comes without any warranty.</source>
        <translation>Morvane es software libre bajo la Licencia Pública General de GNU, versión 3 o posterior. Se distribuye sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Morvane icon</source>
        <translation>Icono de Morvane</translation>
    </message>
    <message>
        <source>Morvane  Version 2.01</source>
        <translation>Morvane  versión 2.01</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Morvane developers</source>
        <translation>Copyright (C) 2026 Los desarrolladores de Morvane</translation>
    </message>
    <message>
        <source>A file renaming utility</source>
        <translation>Una utilidad para renombrar archivos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Morvane</source>
        <translation>Acerca de Morvane</translation>
    </message>
</context>
<context>
    <name>frmDir</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Select the files to rename</source>
        <translation>Seleccionar los archivos que renombrar</translation>
    </message>
    <message>
        <source>Accept the new names, or Undo the changes</source>
        <translation>Aceptar los nuevos nombres o deshacer los cambios</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Rename History</source>
        <translation>Historial de cambios de nombre</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Pasadas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Olvidar...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Give the file renamed in %1 its old name back?</source>
        <translation>¿Devolver su nombre anterior al archivo renombrado en %1?</translation>
    </message>
    <message numerus="yes">
        <source>Give the %n files renamed in %1 their old names back?</source>
        <translation>
            <numerusform>¿Devolver su nombre anterior al %n archivo renombrado en %1?</numerusform>
            <numerusform>¿Devolver sus nombres anteriores a los %n archivos renombrados en %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Deshacer el último cambio de nombre</translation>
    </message>
    <message>
        <source>Morvane</source>
        <translation>Morvane</translation>
    </message>
    <message>
        <source>Morvane Version 2.01</source>
        <translation>Morvane versión 2.01</translation>
    </message>
    <message>
        <source>Select </source>
        <translation>Seleccionar </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Select the directory where you have files</source>
        <translation>Seleccione la carpeta donde tiene los archivos</translation>
    </message>
    <message>
        <source>to rename and select the files to rename.</source>
        <translation>que desea renombrar y selecciónelos.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Highlight the part to keep; each file keeps its own extension</source>
        <translation>Resalte la parte que quiere conservar; cada archivo conserva su propia extensión</translation>
    </message>
    <message>
        <source>Set Mask</source>
        <translation>Establecer máscara</translation>
    </message>
    <message>
        <source>Highlight one part of the above filename to keep and press</source>
        <translation>Resalte la parte del nombre de arriba que quiere conservar y pulse</translation>
    </message>
    <message>
        <source>Set mask button, or skip this button to number all the files.</source>
        <translation>Establecer máscara, u omita este botón para numerar todos los archivos.</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>If you missed a letter please add it</source>
        <translation>Si falta una letra, añádala</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>Edit the above mask if you missed a letter or two, then</source>
        <translation>Corrija la máscara de arriba si le falta alguna letra y</translation>
    </message>
    <message>
        <source>press extract to see what the new name will look like.</source>
        <translation>pulse Extraer para ver cómo será el nuevo nombre.</translation>
    </message>
    <message>
        <source>Example new filename</source>
        <translation>Ejemplo del nuevo nombre</translation>
    </message>
    <message>
        <source>Example Filename</source>
        <translation>Nombre de ejemplo</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Example new filename above, if you like it press rename to</source>
        <translation>Arriba tiene un ejemplo del nuevo nombre; si le gusta, pulse</translation>
    </message>
    <message>
        <source>rename all of the files that have the mask text in their name.</source>
        <translation>Renombrar para renombrar los archivos que contienen la máscara.</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>Archivos que renombrar</translation>
    </message>
    <message>
        <source>Double Click the file you want to use</source>
        <translation>Haga doble clic en el archivo que desea usar</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Consecutive Lettering Position</source>
        <translation>Posición de las letras consecutivas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Preview New Names...</source>
        <translation>&amp;Vista previa de los nuevos nombres...</translation>
    </message>
    <message>
        <source>&amp;Undo Last Rename</source>
        <translation>&amp;Deshacer el último cambio de nombre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Clear Options</source>
        <translation>&amp;Borrar opciones</translation>
    </message>
    <message>
        <source>&amp;Set Options</source>
        <translation>&amp;Establecer opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Morvane</source>
        <translation>Acerca de Morvane</translation>
    </message>
    <message>
        <source>Rename &amp;History...</source>
        <translation>&amp;Historial de cambios de nombre...</translation>
    </message>
    <message>
        <source>Number in order of</source>
        <translation>Numerar por</translation>
    </message>
    <message>
        <source>Putting the files in order: %1 of %2</source>
        <translation>Ordenando los archivos: %1 de %2</translation>
    </message>
    <message>
        <source>Forget the rename of 1 file in %1? The file keeps the name it has now, and the rename can no longer be undone.</source>
        <translation>¿Olvidar el cambio de nombre de 1 archivo en %1? El archivo conserva el nombre que tiene ahora y el cambio de nombre ya no se podrá deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>Forget the rename of %n files in %1? The files keep the names they have now, and the rename can no longer be undone.</source>
        <translation>
            <numerusform>¿Olvidar el cambio de nombre de %n archivo en %1? El archivo conserva el nombre que tiene ahora y el cambio de nombre ya no se podrá deshacer.</numerusform>
            <numerusform>¿Olvidar el cambio de nombre de %n archivos en %1? Los archivos conservan los nombres que tienen ahora y el cambio de nombre ya no se podrá deshacer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget Rename</source>
        <translation>Olvidar el cambio de nombre</translation>
    </message>
    <message>
        <source>another copy of Morvane (process %1)</source>
        <translation>otra copia de Morvane (proceso %1)</translation>
    </message>
    <message>
        <source>another copy of Morvane</source>
        <translation>otra copia de Morvane</translation>
    </message>
    <message>
        <source>The newest rename, in %1, is still running in %2. Wait until it ends, then undo it.</source>
        <translation>El cambio de nombre más reciente, en %1, aún está en curso en %2. Espere a que termine y luego deshágalo.</translation>
    </message>
    <message>
        <source>The newest rename, in %1, is under review in %2. Accept or undo it there first.</source>
        <translation>El cambio de nombre más reciente, en %1, está en revisión en %2. Acéptelo o deshágalo primero allí.</translation>
    </message>
    <message>
        <source>Reading the files&apos; dates: %1 of %2</source>
        <translation>Leyendo las fechas de los archivos: %1 de %2</translation>
    </message>
    <message>
        <source>Reading the chosen files: %1 of %2</source>
        <translation>Leyendo los archivos elegidos: %1 de %2</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Prefix</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Consecutive Lettering Position</source>
        <translation>Posición de las letras consecutivas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Delante</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Detrás</translation>
    </message>
    <message>
        <source>Clear Options</source>
        <translation>Borrar opciones</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Morvane Options</source>
        <translation>Opciones de Morvane</translation>
    </message>
    <message>
        <source>Number in order of</source>
        <translation>Numerar por</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date in the name</source>
        <translation>Fecha en el nombre</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>yyyy year, yy its last two digits, MM month, dd day, HH hour, mm minute, ss second; every other character stands for itself</source>
        <translation>yyyy año, yy sus dos últimas cifras, MM mes, dd día, HH hora, mm minuto, ss segundo; cualquier otro carácter se usa tal cual</translation>
    </message>
    <message>
        <source>Number again from the starting number each day</source>
        <translation>Volver a numerar cada día desde el número inicial</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Preview New Names</source>
        <translation>Vista previa de los nuevos nombres</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>New names</source>
        <translation>Nombres nuevos</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>frmRecover</name>
    <message>
        <source>Unfinished rename</source>
        <translation>Cambio de nombre sin terminar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>is incomplete</source>
        <translation>está incompleto</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>was written by a newer version of Morvane</source>
        <translation>lo escribió una versión más reciente de Morvane</translation>
    </message>
    <message>
        <source>Unfinished Rename</source>
        <translation>Cambio de nombre sin terminar</translation>
    </message>
    <message>
        <source>&amp;Set Aside</source>
        <translation>&amp;Apartar</translation>
    </message>
    <message>
        <source>A rename of %1 in %2 did not finish.</source>
        <translation>Un cambio de nombre de %1 en %2 no terminó.</translation>
    </message>
    <message>
        <source>Renaming on %1: its journal %2.</source>
        <translation>Cambio de nombre del %1: su registro %2.</translation>
    </message>
    <message>
        <source>A rename: its journal %1.</source>
        <translation>Un cambio de nombre: su registro %1.</translation>
    </message>
    <message>
        <source>Renaming in %1 on %2: its journal %3.</source>
        <translation>Cambio de nombre en %1 del %2: su registro %3.</translation>
    </message>
    <message>
        <source>Renaming in %1: its journal %2.</source>
        <translation>Cambio de nombre en %1: su registro %2.</translation>
    </message>
    <message>
        <source>Damaged Rename Journal</source>
        <translation>Registro de cambios de nombre dañado</translation>
    </message>
    <message>
        <source>Damaged Rename Journals</source>
        <translation>Registros de cambios de nombre dañados</translation>
    </message>
    <message>
        <source>A rename journal in %1 cannot be used and was left as it is:
%2

&quot;Set Aside&quot; moves it into %3, where it is kept but no longer reported.</source>
        <translation>Un registro de cambios de nombre en %1 no se puede usar y se dejó como estaba:
%2

«Apartar» lo mueve a %3, donde se guarda pero ya no se avisa de él.</translation>
    </message>
    <message numerus="yes">
        <source>%n rename journals in %1 cannot be used and were left as they are:
%2

&quot;Set Aside&quot; moves them into %3, where they are kept but no longer reported.</source>
        <translation>
            <numerusform>%n registro de cambios de nombre en %1 no se puede usar y se dejó como estaba:
%2

«Apartar» lo mueve a %3, donde se guarda pero ya no se avisa de él.</numerusform>
            <numerusform>%n registros de cambios de nombre en %1 no se pueden usar y se dejaron como estaban:
%2

«Apartar» los mueve a %3, donde se guardan pero ya no se avisa de ellos.</numerusform>
        </translation>
    </message>
</context>
</TS>
