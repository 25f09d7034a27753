<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Renames a batch of files in one directory in one pass, with a preview and undo.
Files named here start out chosen, as if selected with &quot;Select &quot;; one directory
named alone is where &quot;Select &quot; opens.</source>
        <translation>Renomme un lot de fichiers d&apos;un dossier en une seule passe, avec aperçu et retour en arrière.
Les fichiers nommés ici sont choisis d&apos;emblée, comme avec « Sélectionner » ; un dossier
nommé seul est celui où « Sélectionner » s&apos;ouvre.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Files of one directory to rename, or one directory.</source>
        <translation>Fichiers d&apos;un dossier à renommer, ou un dossier.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[FICHIER...]</translation>
    </message>
    <message>
        <source>The full help (HTML, also on F1): %1</source>
        <translation>L&apos;aide complète (HTML, aussi avec F1) : %1</translation>
    </message>
    <message>
        <source>License GPL-3.0-or-later: free software under the GNU General Public License, version 3 or later, without any warranty.</source>
        <translation>Licence GPL-3.0-or-later : logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure, sans aucune garantie.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Morvane Help</source>
        <translation>Aide de Morvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>number added</source>
        <translation>numéro ajouté</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>garde son nom</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>masqué</translation>
    </message>
    <message>
        <source>%1, hidden</source>
        <translation>%1, masqué</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>1 file will be renamed</source>
        <translation>1 fichier sera renommé</translation>
    </message>
    <message numerus="yes">
        <source>%n files will be renamed</source>
        <translation>
            <numerusform>%n fichier sera renommé</numerusform>
            <numerusform>%n fichiers seront renommés</numerusform>
        </translation>
    </message>
    <message>
        <source>1 keeps its name</source>
        <translation>1 garde son nom</translation>
    </message>
    <message numerus="yes">
        <source>%n keep their names</source>
        <translation>
            <numerusform>%n garde son nom</numerusform>
            <numerusform>%n gardent leur nom</numerusform>
        </translation>
    </message>
    <message>
        <source>1 will be skipped</source>
        <translation>1 sera ignoré</translation>
    </message>
    <message numerus="yes">
        <source>%n will be skipped</source>
        <translation>
            <numerusform>%n sera ignoré</numerusform>
            <numerusform>%n seront ignorés</numerusform>
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
        <translation>Seuls les %1 premiers fichiers sont pris en compte.</translation>
    </message>
    <message>
        <source>1 new name begins with a dot and will be hidden.</source>
        <translation>1 nouveau nom commence par un point et sera masqué.</translation>
    </message>
    <message numerus="yes">
        <source>%n new names begin with a dot and will be hidden.</source>
        <translation>
            <numerusform>%n nouveau nom commence par un point et sera masqué.</numerusform>
            <numerusform>%n nouveaux noms commencent par un point et seront masqués.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error # %1</source>
        <translation>Erreur n° %1</translation>
    </message>
    <message>
        <source>Some Files Were Skipped</source>
        <translation>Certains fichiers ont été ignorés</translation>
    </message>
    <message>
        <source>under review</source>
        <translation>en cours de vérification</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>partly undone</source>
        <translation>partiellement défait</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>défait</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>inachevé</translation>
    </message>
    <message>
        <source>no date taken: date modified used</source>
        <translation>pas de date de prise de vue : date de modification utilisée</translation>
    </message>
    <message>
        <source>%1, no date taken: date modified used</source>
        <translation>%1, pas de date de prise de vue : date de modification utilisée</translation>
    </message>
    <message>
        <source>The folder at %1 holds none of the files renamed there; nothing was changed, the pass stays in the history.</source>
        <translation>Le dossier %1 ne contient aucun des fichiers qui y ont été renommés ; rien n&apos;a été modifié, la passe reste dans l&apos;historique.</translation>
    </message>
    <message>
        <source>1 already had its old name.</source>
        <translation>1 avait déjà son ancien nom.</translation>
    </message>
    <message numerus="yes">
        <source>%n already had their old names.</source>
        <translation>
            <numerusform>%n avait déjà son ancien nom.</numerusform>
            <numerusform>%n avaient déjà leur ancien nom.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found: %1; the pass keeps them for a later undo.</source>
        <translation>Introuvables : %1 ; la passe les garde pour les défaire plus tard.</translation>
    </message>
    <message>
        <source>Renamed again by a later pass: %1. Undo that one first.</source>
        <translation>Renommés de nouveau par une passe plus récente : %1. Défaites d&apos;abord celle-ci.</translation>
    </message>
    <message>
        <source>Not given back yet: %1, whose old names are held by files a rename cut short may have left: %2. Remove those that are not yours, then undo again.</source>
        <translation>Pas encore rendus : %1, car leurs anciens noms sont pris par des fichiers qu&apos;un renommage interrompu a peut-être laissés : %2. Supprimez ceux qui ne sont pas à vous, puis défaites de nouveau.</translation>
    </message>
    <message>
        <source>These files may be left from a rename that was cut short: %1. Remove those that are not yours.</source>
        <translation>Ces fichiers sont peut-être restés d&apos;un renommage interrompu : %1. Supprimez ceux qui ne sont pas à vous.</translation>
    </message>
    <message>
        <source>skipped: its date could not be read</source>
        <translation>ignoré : sa date n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>skipped: this folder&apos;s file system refuses the name &quot;%1&quot;</source>
        <translation>ignoré : le système de fichiers de ce dossier refuse le nom « %1 »</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>this folder</source>
        <translation>ce dossier</translation>
    </message>
    <message>
        <source>Change it with Options &gt; Set Options.</source>
        <translation>Modifiez-le dans Options &gt; Définir les options.</translation>
    </message>
    <message>
        <source>The prefix holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Le préfixe contient « / », qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>The suffix holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Le suffixe contient « / », qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>The prefix holds a NUL character, which no file name may contain.</source>
        <translation>Le préfixe contient un caractère NUL, qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>The suffix holds a NUL character, which no file name may contain.</source>
        <translation>Le suffixe contient un caractère NUL, qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>A new name would be empty. Set a prefix or a suffix, or choose another mask.</source>
        <translation>Un nouveau nom serait vide. Définissez un préfixe ou un suffixe, ou choisissez un autre masque.</translation>
    </message>
    <message>
        <source>A new name would be &quot;%1&quot;, which names a folder, not a file. Choose another mask.</source>
        <translation>Un nouveau nom serait « %1 », qui désigne un dossier, pas un fichier. Choisissez un autre masque.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Le nouveau nom « %1 » contient « / », qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds a NUL character, which no file name may contain.</source>
        <translation>Le nouveau nom « %1 » contient un caractère NUL, qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds a character that no file name can store.</source>
        <translation>Le nouveau nom « %1 » contient un caractère qu&apos;aucun nom de fichier ne peut stocker.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; is longer than the 255 bytes a file name may have. Use a shorter prefix or suffix.</source>
        <translation>Le nouveau nom « %1 » dépasse les 255 octets permis pour un nom de fichier. Utilisez un préfixe ou un suffixe plus court.</translation>
    </message>
    <message>
        <source>A new name is not one that a file may have. Use a shorter prefix or suffix, or another mask.</source>
        <translation>Un nouveau nom n&apos;est pas permis pour un fichier. Utilisez un préfixe ou un suffixe plus court, ou un autre masque.</translation>
    </message>
    <message>
        <source>The mask is not where the example name has it. Highlight it again and press Set Mask.</source>
        <translation>Le masque n&apos;est pas là où le nom d&apos;exemple le place. Surlignez-le à nouveau et cliquez sur Définir le masque.</translation>
    </message>
    <message>
        <source>The system ran out of memory. Close other programs, then try again.</source>
        <translation>Le système manque de mémoire. Fermez d&apos;autres programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>The starting number is not a number. Change it with Options &gt; Set Options.</source>
        <translation>Le numéro de départ n&apos;est pas un nombre. Modifiez-le dans Options &gt; Définir les options.</translation>
    </message>
    <message>
        <source>The system refused for a reason Morvane does not know. Check the folder, then try again.</source>
        <translation>Le système a refusé pour une raison que Morvane ne connaît pas. Vérifiez le dossier, puis réessayez.</translation>
    </message>
    <message>
        <source>A renamed file is no longer in %1, so it cannot get its old name back.</source>
        <translation>Un fichier renommé n&apos;est plus dans %1 et ne peut pas retrouver son ancien nom.</translation>
    </message>
    <message>
        <source>A file to rename is no longer in %1. Choose the files again with Select.</source>
        <translation>Un fichier à renommer n&apos;est plus dans %1. Choisissez à nouveau les fichiers avec Sélectionner.</translation>
    </message>
    <message>
        <source>The disk reported an input/output error. Check the disk, then try again.</source>
        <translation>Le disque a signalé une erreur d&apos;entrée/sortie. Vérifiez le disque, puis réessayez.</translation>
    </message>
    <message>
        <source>No free numbered name was found for a file. Move some files away, then try again.</source>
        <translation>Aucun nom numéroté libre n&apos;a été trouvé pour un fichier. Déplacez quelques fichiers, puis réessayez.</translation>
    </message>
    <message>
        <source>The disk is full. Free some space, then try again.</source>
        <translation>Le disque est plein. Libérez de la place, puis réessayez.</translation>
    </message>
    <message>
        <source>Too many files are open. Close other programs, then try again.</source>
        <translation>Trop de fichiers sont ouverts. Fermez d&apos;autres programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>A file would have to move to another disk, which a rename cannot do.</source>
        <translation>Un fichier devrait passer sur un autre disque, ce qu&apos;un renommage ne peut pas faire.</translation>
    </message>
    <message>
        <source>Morvane may not change the files in %1. Check the folder&apos;s permissions.</source>
        <translation>Morvane n&apos;a pas le droit de modifier les fichiers de %1. Vérifiez les droits du dossier.</translation>
    </message>
    <message>
        <source>The folder %1 is gone. Choose the files again with Select.</source>
        <translation>Le dossier %1 n&apos;existe plus. Choisissez à nouveau les fichiers avec Sélectionner.</translation>
    </message>
    <message>
        <source>A file was left under a temporary name. Undo Last Rename gives it its old name back.</source>
        <translation>Un fichier est resté sous un nom provisoire. Défaire le dernier renommage lui rend son ancien nom.</translation>
    </message>
    <message>
        <source>Something failed (error %1).</source>
        <translation>Quelque chose a échoué (erreur %1).</translation>
    </message>
    <message>
        <source>1 file was renamed.</source>
        <translation>1 fichier a été renommé.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were renamed.</source>
        <translation>
            <numerusform>%n fichier a été renommé.</numerusform>
            <numerusform>%n fichiers ont été renommés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files were skipped: they could not be renamed, or lie past the 1001st.</source>
        <translation>Certains fichiers ont été ignorés : ils n&apos;ont pas pu être renommés, ou viennent après le 1001e.</translation>
    </message>
    <message>
        <source>Accept the new names, or Undo the changes.</source>
        <translation>Acceptez les nouveaux noms, ou défaites les modifications.</translation>
    </message>
    <message>
        <source>1 file has its old name again.</source>
        <translation>1 fichier a retrouvé son ancien nom.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have their old names again.</source>
        <translation>
            <numerusform>%n fichier a retrouvé son ancien nom.</numerusform>
            <numerusform>%n fichiers ont retrouvé leur ancien nom.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some of the files handed over were left out: only files that the chooser shows, all in one folder, are taken.</source>
        <translation>Certains des fichiers transmis ont été écartés : seuls les fichiers que le sélecteur affiche, tous dans un même dossier, sont pris.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: you may not read it.</source>
        <translation>Le dossier %1 ne peut pas être ouvert : vous n&apos;avez pas le droit de le lire.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: it is gone.</source>
        <translation>Le dossier %1 ne peut pas être ouvert : il n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: it is not a folder.</source>
        <translation>Le dossier %1 ne peut pas être ouvert : ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>Le dossier %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>the file system of %1 is read-only</source>
        <translation>le système de fichiers de %1 est en lecture seule</translation>
    </message>
    <message>
        <source>you may not change the folder %1</source>
        <translation>vous n&apos;avez pas le droit de modifier le dossier %1</translation>
    </message>
    <message>
        <source>immutable files cannot be renamed</source>
        <translation>un fichier immuable ne peut pas être renommé</translation>
    </message>
    <message>
        <source>the folder %1 is marked immutable</source>
        <translation>le dossier %1 est marqué immuable</translation>
    </message>
    <message>
        <source>files in use cannot be renamed</source>
        <translation>un fichier en cours d&apos;utilisation ne peut pas être renommé</translation>
    </message>
    <message>
        <source>this file system allows only shorter names</source>
        <translation>ce système de fichiers n&apos;accepte que des noms plus courts</translation>
    </message>
    <message>
        <source>this file system does not accept a character of the new name</source>
        <translation>ce système de fichiers refuse un caractère du nouveau nom</translation>
    </message>
    <message>
        <source>the file system refused the rename</source>
        <translation>le système de fichiers a refusé le renommage</translation>
    </message>
    <message>
        <source>%1 and 1 other</source>
        <translation>%1 et 1 autre</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n others</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>No home folder is set to keep it in (HOME).</source>
        <translation>Aucun dossier personnel n&apos;est défini pour l&apos;y conserver (HOME).</translation>
    </message>
    <message>
        <source>%1 is a file, where a folder is needed.</source>
        <translation>%1 est un fichier, alors qu&apos;il faut un dossier à cet endroit.</translation>
    </message>
    <message>
        <source>You may not write in %1.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>You may not read %1.</source>
        <translation>Vous n&apos;avez pas le droit de lire %1.</translation>
    </message>
    <message>
        <source>%1 lies on a read-only file system.</source>
        <translation>%1 se trouve sur un système de fichiers en lecture seule.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full. Free some space, then try again.</source>
        <translation>Le disque qui contient %1 est plein. Libérez de l&apos;espace, puis réessayez.</translation>
    </message>
    <message>
        <source>Morvane cannot read the folder %1, where it keeps the renames it can undo.</source>
        <translation>Morvane ne peut pas lire le dossier %1, où il garde les renommages qu&apos;il peut défaire.</translation>
    </message>
    <message>
        <source>Nothing was renamed: Morvane has no folder to keep what it needs to undo a rename.</source>
        <translation>Rien n&apos;a été renommé : Morvane n&apos;a aucun dossier où conserver ce qu&apos;il lui faut pour défaire un renommage.</translation>
    </message>
    <message>
        <source>Nothing was renamed: Morvane cannot keep what it needs to undo a rename in %1.</source>
        <translation>Rien n&apos;a été renommé : Morvane ne peut pas conserver dans %1 ce qu&apos;il lui faut pour défaire un renommage.</translation>
    </message>
    <message>
        <source>Morvane could not write to %1, where it keeps the renames it can undo.</source>
        <translation>Morvane n&apos;a pas pu écrire dans %1, où il garde les renommages qu&apos;il peut défaire.</translation>
    </message>
    <message>
        <source>Check that it exists and can be read.</source>
        <translation>Vérifiez qu&apos;il existe et qu&apos;il est accessible en lecture.</translation>
    </message>
    <message>
        <source>Check that it can be written.</source>
        <translation>Vérifiez qu&apos;il est accessible en écriture.</translation>
    </message>
    <message>
        <source>A file could not get its old name back: %1.</source>
        <translation>Un fichier n&apos;a pas pu retrouver son ancien nom : %1.</translation>
    </message>
    <message>
        <source>A file could not be renamed: %1.</source>
        <translation>Un fichier n&apos;a pas pu être renommé : %1.</translation>
    </message>
    <message>
        <source>(1 with a number added)</source>
        <translation>(dont 1 avec un numéro ajouté)</translation>
    </message>
    <message numerus="yes">
        <source>(%n with a number added)</source>
        <translation>
            <numerusform>(dont %n avec un numéro ajouté)</numerusform>
            <numerusform>(dont %n avec un numéro ajouté)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was skipped: %1 (%2).</source>
        <translation>1 fichier a été ignoré : %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n files were skipped: %1 (%2).</source>
        <translation>
            <numerusform>%n fichier a été ignoré : %1 (%2).</numerusform>
            <numerusform>%n fichiers ont été ignorés : %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was renamed.</source>
        <translation>Aucun fichier n&apos;a été renommé.</translation>
    </message>
    <message>
        <source>The new name of 1 file was kept.</source>
        <translation>Le nouveau nom de 1 fichier a été accepté.</translation>
    </message>
    <message numerus="yes">
        <source>The new names of %n files were kept.</source>
        <translation>
            <numerusform>Le nouveau nom de %n fichier a été accepté.</numerusform>
            <numerusform>Les nouveaux noms de %n fichiers ont été acceptés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The date format is empty. Type one, such as yyyy-MM-dd_.</source>
        <translation>Le format de date est vide. Saisissez-en un, par exemple yyyy-MM-dd_.</translation>
    </message>
    <message>
        <source>The date format holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Le format de date contient « / », qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>The date format holds a NUL character, which no file name may contain.</source>
        <translation>Le format de date contient un caractère NUL, qu&apos;aucun nom de fichier ne peut contenir.</translation>
    </message>
</context>
<context>
    <name>UndoProgress</name>
    <message>
        <source>Undo</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Giving the files renamed in %1 their old names back...</source>
        <translation>Les fichiers renommés dans %1 reprennent leurs anciens noms...</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Stopped waiting for %1. The undo goes on and reports when the folder answers.</source>
        <translation>Attente de %1 abandonnée. Le retour en arrière se poursuit et donnera son résultat quand le dossier répondra.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Morvane is free software under the GNU General Public License, version 3 or later. It comes without any warranty.</source>
        <translation>Morvane est un logiciel libre distribué sous la licence publique générale GNU, version 3 ou ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Morvane icon</source>
        <translation>Icône de Morvane</translation>
    </message>
    <message>
        <source>Morvane  Version 2.01</source>
        <translation>Morvane  version 2.01</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Morvane developers</source>
        <translation>Copyright (C) 2026 Les développeurs de Morvane</translation>
    </message>
    <message>
        <source>A file renaming utility</source>
        <translation>Un utilitaire pour renommer des fichiers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Morvane</source>
        <translation>À propos de Morvane</translation>
    </message>
</context>
<context>
    <name>frmDir</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Select the files to rename</source>
        <translation>Sélectionner les fichiers à renommer</translation>
    </message>
    <message>
        <source>Accept the new names, or Undo the changes</source>
        <translation>Accepter les nouveaux noms, ou défaire les modifications</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Rename History</source>
        <translation>Historique des renommages</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Oublier...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Give the file renamed in %1 its old name back?</source>
        <translation>Rendre son ancien nom au fichier renommé dans %1 ?</translation>
    </message>
    <message numerus="yes">
        <source>Give the %n files renamed in %1 their old names back?</source>
        <translation>
            <numerusform>Rendre son ancien nom au %n fichier renommé dans %1 ?</numerusform>
            <numerusform>Rendre leur ancien nom aux %n fichiers renommés dans %1 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Défaire le dernier renommage</translation>
    </message>
    <message>
        <source>Morvane</source>
        <translation>Morvane</translation>
    </message>
    <message>
        <source>Morvane Version 2.01</source>
        <translation>Morvane version 2.01</translation>
    </message>
    <message>
        <source>Select </source>
        <translation>Sélectionner </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Select the directory where you have files</source>
        <translation>Choisissez le dossier qui contient les fichiers</translation>
    </message>
    <message>
        <source>to rename and select the files to rename.</source>
        <translation>à renommer, puis sélectionnez-les.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Highlight the part to keep; each file keeps its own extension</source>
        <translation>Surlignez la partie à garder ; chaque fichier garde sa propre extension</translation>
    </message>
    <message>
        <source>Set Mask</source>
        <translation>Définir le masque</translation>
    </message>
    <message>
        <source>Highlight one part of the above filename to keep and press</source>
        <translation>Surlignez la partie du nom ci-dessus à garder et cliquez sur</translation>
    </message>
    <message>
        <source>Set mask button, or skip this button to number all the files.</source>
        <translation>Définir le masque, ou passez ce bouton pour numéroter tous les fichiers.</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>If you missed a letter please add it</source>
        <translation>S&apos;il manque une lettre, ajoutez-la</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>Edit the above mask if you missed a letter or two, then</source>
        <translation>Corrigez le masque ci-dessus s&apos;il manque une lettre, puis</translation>
    </message>
    <message>
        <source>press extract to see what the new name will look like.</source>
        <translation>cliquez sur Extraire pour voir le nouveau nom.</translation>
    </message>
    <message>
        <source>Example new filename</source>
        <translation>Exemple de nouveau nom</translation>
    </message>
    <message>
        <source>Example Filename</source>
        <translation>Exemple de nom</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Example new filename above, if you like it press rename to</source>
        <translation>Ci-dessus, un exemple du nouveau nom ; s&apos;il convient, Renommer</translation>
    </message>
    <message>
        <source>rename all of the files that have the mask text in their name.</source>
        <translation>renomme tous les fichiers dont le nom contient le masque.</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>Fichiers à renommer</translation>
    </message>
    <message>
        <source>Double Click the file you want to use</source>
        <translation>Double-cliquez sur le fichier à utiliser</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation>Numéro de départ</translation>
    </message>
    <message>
        <source>Consecutive Lettering Position</source>
        <translation>Position des lettres successives</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Preview New Names...</source>
        <translation>A&amp;perçu des nouveaux noms...</translation>
    </message>
    <message>
        <source>&amp;Undo Last Rename</source>
        <translation>&amp;Défaire le dernier renommage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Clear Options</source>
        <translation>&amp;Effacer les options</translation>
    </message>
    <message>
        <source>&amp;Set Options</source>
        <translation>&amp;Définir les options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Morvane</source>
        <translation>À propos de Morvane</translation>
    </message>
    <message>
        <source>Rename &amp;History...</source>
        <translation>&amp;Historique des renommages...</translation>
    </message>
    <message>
        <source>Number in order of</source>
        <translation>Numéroter dans l&apos;ordre de</translation>
    </message>
    <message>
        <source>Putting the files in order: %1 of %2</source>
        <translation>Mise en ordre des fichiers : %1 sur %2</translation>
    </message>
    <message>
        <source>Forget the rename of 1 file in %1? The file keeps the name it has now, and the rename can no longer be undone.</source>
        <translation>Oublier le renommage d&apos;un fichier dans %1 ? Le fichier garde le nom qu&apos;il a maintenant, et le renommage ne pourra plus être défait.</translation>
    </message>
    <message numerus="yes">
        <source>Forget the rename of %n files in %1? The files keep the names they have now, and the rename can no longer be undone.</source>
        <translation>
            <numerusform>Oublier le renommage de %n fichier dans %1 ? Le fichier garde le nom qu&apos;il a maintenant, et le renommage ne pourra plus être défait.</numerusform>
            <numerusform>Oublier le renommage de %n fichiers dans %1 ? Les fichiers gardent les noms qu&apos;ils ont maintenant, et le renommage ne pourra plus être défait.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget Rename</source>
        <translation>Oublier le renommage</translation>
    </message>
    <message>
        <source>another copy of Morvane (process %1)</source>
        <translation>une autre copie de Morvane (processus %1)</translation>
    </message>
    <message>
        <source>another copy of Morvane</source>
        <translation>une autre copie de Morvane</translation>
    </message>
    <message>
        <source>The newest rename, in %1, is still running in %2. Wait until it ends, then undo it.</source>
        <translation>Le renommage le plus récent, dans %1, est encore en cours dans %2. Attendez qu&apos;il se termine, puis défaites-le.</translation>
    </message>
    <message>
        <source>The newest rename, in %1, is under review in %2. Accept or undo it there first.</source>
        <translation>Le renommage le plus récent, dans %1, est en cours de vérification dans %2. Acceptez-le ou défaites-le d&apos;abord là-bas.</translation>
    </message>
    <message>
        <source>Reading the files&apos; dates: %1 of %2</source>
        <translation>Lecture des dates des fichiers : %1 sur %2</translation>
    </message>
    <message>
        <source>Reading the chosen files: %1 of %2</source>
        <translation>Lecture des fichiers choisis : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation>Numéro de départ</translation>
    </message>
    <message>
        <source>Consecutive Lettering Position</source>
        <translation>Position des lettres successives</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Clear Options</source>
        <translation>Effacer les options</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Morvane Options</source>
        <translation>Options de Morvane</translation>
    </message>
    <message>
        <source>Number in order of</source>
        <translation>Numéroter dans l&apos;ordre de</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date in the name</source>
        <translation>Date dans le nom</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>yyyy year, yy its last two digits, MM month, dd day, HH hour, mm minute, ss second; every other character stands for itself</source>
        <translation>yyyy année, yy ses deux derniers chiffres, MM mois, dd jour, HH heure, mm minute, ss seconde ; tout autre caractère est repris tel quel</translation>
    </message>
    <message>
        <source>Number again from the starting number each day</source>
        <translation>Renuméroter chaque jour à partir du numéro de départ</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Preview New Names</source>
        <translation>Aperçu des nouveaux noms</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>New names</source>
        <translation>Nouveaux noms</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>frmRecover</name>
    <message>
        <source>Unfinished rename</source>
        <translation>Renommage inachevé</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conserver</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>is incomplete</source>
        <translation>est incomplet</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>was written by a newer version of Morvane</source>
        <translation>a été écrit par une version plus récente de Morvane</translation>
    </message>
    <message>
        <source>Unfinished Rename</source>
        <translation>Renommage inachevé</translation>
    </message>
    <message>
        <source>&amp;Set Aside</source>
        <translation>&amp;Mettre de côté</translation>
    </message>
    <message>
        <source>A rename of %1 in %2 did not finish.</source>
        <translation>Un renommage de %1 dans %2 n&apos;a pas abouti.</translation>
    </message>
    <message>
        <source>Renaming on %1: its journal %2.</source>
        <translation>Renommage du %1 : son journal %2.</translation>
    </message>
    <message>
        <source>A rename: its journal %1.</source>
        <translation>Un renommage : son journal %1.</translation>
    </message>
    <message>
        <source>Renaming in %1 on %2: its journal %3.</source>
        <translation>Renommage dans %1 du %2 : son journal %3.</translation>
    </message>
    <message>
        <source>Renaming in %1: its journal %2.</source>
        <translation>Renommage dans %1 : son journal %2.</translation>
    </message>
    <message>
        <source>Damaged Rename Journal</source>
        <translation>Journal de renommage endommagé</translation>
    </message>
    <message>
        <source>Damaged Rename Journals</source>
        <translation>Journaux de renommage endommagés</translation>
    </message>
    <message>
        <source>A rename journal in %1 cannot be used and was left as it is:
%2

&quot;Set Aside&quot; moves it into %3, where it is kept but no longer reported.</source>
        <translation>Un journal de renommage dans %1 est inutilisable et a été laissé tel quel :
%2

« Mettre de côté » le déplace dans %3, où il est conservé mais n&apos;est plus signalé.</translation>
    </message>
    <message numerus="yes">
        <source>%n rename journals in %1 cannot be used and were left as they are:
%2

&quot;Set Aside&quot; moves them into %3, where they are kept but no longer reported.</source>
        <translation>
            <numerusform>%n journal de renommage dans %1 est inutilisable et a été laissé tel quel :
%2

« Mettre de côté » le déplace dans %3, où il est conservé mais n&apos;est plus signalé.</numerusform>
            <numerusform>%n journaux de renommage dans %1 sont inutilisables et ont été laissés tels quels :
%2

« Mettre de côté » les déplace dans %3, où ils sont conservés mais ne sont plus signalés.</numerusform>
        </translation>
    </message>
</context>
</TS>
