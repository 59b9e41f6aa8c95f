<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FileGridModel</name>
    <message>
        <source>Needs tags first</source>
        <translation>Nécessite d&apos;abord des tags</translation>
    </message>
    <message>
        <source>Keeps its name: &apos;%1&apos; is already taken in this folder</source>
        <translation>Garde son nom : « %1 » est déjà pris dans ce dossier</translation>
    </message>
    <message>
        <source>Keeps its name: &apos;%1&apos; differs only in letter case from &apos;%2&apos;</source>
        <translation>Garde son nom : « %1 » ne diffère de « %2 » que par la casse</translation>
    </message>
    <message>
        <source>Keeps its name: &apos;%1&apos; is too long for this volume</source>
        <translation>Garde son nom : « %1 » est trop long pour ce volume</translation>
    </message>
    <message>
        <source>Current Filename</source>
        <translation>Nom actuel</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Nouveau nom</translation>
    </message>
</context>
<context>
    <name>InterruptedRename</name>
    <message>
        <source>The last rename run or undo was cut short. What it left half done has been put right:</source>
        <translation>Le dernier renommage ou la dernière annulation a été interrompu. Ce qui était resté inachevé a été remis en ordre :</translation>
    </message>
    <message>
        <source>
%1 file(s) left under a temporary name were given their names.</source>
        <translation>
%1 fichier(s) restés sous un nom temporaire ont reçu leur nom.</translation>
    </message>
    <message>
        <source>
%1 empty placeholder(s) were removed.</source>
        <translation>
%1 fichier(s) vide(s) réservant un nom ont été supprimés.</translation>
    </message>
    <message>
        <source>Rename Interrupted</source>
        <translation>Renommage interrompu</translation>
    </message>
</context>
<context>
    <name>InterruptibleWork</name>
    <message>
        <source>Reading tags: %L1 of %L2</source>
        <translation>Lecture des tags : %L1 sur %L2</translation>
    </message>
    <message>
        <source>Renaming: %L1 of %L2</source>
        <translation>Renommage : %L1 sur %L2</translation>
    </message>
</context>
<context>
    <name>NamingConventions</name>
    <message>
        <source>Artist - Song Title</source>
        <translation>Artiste - Titre</translation>
    </message>
    <message>
        <source>Artist - Title (Year)</source>
        <translation>Artiste - Titre (Année)</translation>
    </message>
    <message>
        <source>Song Title - Artist</source>
        <translation>Titre - Artiste</translation>
    </message>
    <message>
        <source>Album - Artist - Song Title</source>
        <translation>Album - Artiste - Titre</translation>
    </message>
    <message>
        <source>Album - Artist - Song Title (Year)</source>
        <translation>Album - Artiste - Titre (Année)</translation>
    </message>
    <message>
        <source>Genre - Artist - Song Title</source>
        <translation>Genre - Artiste - Titre</translation>
    </message>
    <message>
        <source>Year - Artist - Song Title</source>
        <translation>Année - Artiste - Titre</translation>
    </message>
    <message>
        <source>Track - Song Title</source>
        <translation>Piste - Titre</translation>
    </message>
    <message>
        <source>Artist - Album - Track - Song Title</source>
        <translation>Artiste - Album - Piste - Titre</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) Kestova.  Kestova </source>
        <translation>Copyright (C) Kestova. Kestova </translation>
    </message>
    <message>
        <source>cannot be held responsible for any damages caused by the </source>
        <translation>ne saurait être tenu responsable des dommages causés, </translation>
    </message>
    <message>
        <source>usage of this software either directly or otherwise.</source>
        <translation>directement ou non, par l&apos;utilisation de ce logiciel.</translation>
    </message>
    <message>
        <source>Thank you for keeping your music tidy with Sorvane.</source>
        <translation>Merci de mettre de l&apos;ordre dans votre musique avec Sorvane.</translation>
    </message>
</context>
<context>
    <name>RenameRun</name>
    <message>
        <source>%1 file(s) would keep their names because the new name is already in use.
</source>
        <translation>%1 fichier(s) garderaient leur nom, car le nouveau nom est déjà utilisé.
</translation>
    </message>
    <message>
        <source>%1 file(s) would keep their names because the new name is too long for this volume.
</source>
        <translation>%1 fichier(s) garderaient leur nom, car le nouveau nom est trop long pour ce volume.
</translation>
    </message>
    <message>
        <source>Rename All Files?</source>
        <translation>Renommer tous les fichiers ?</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?  This will rename all of the 
MP3 files as they appear in the grid on the screen.</source>
        <translation>Voulez-vous vraiment continuer ? Cela renommera tous les 
fichiers MP3 tels qu&apos;ils apparaissent dans la grille à l&apos;écran.</translation>
    </message>
    <message>
        <source>Unable to Proceed</source>
        <translation>Impossible de continuer</translation>
    </message>
    <message>
        <source>Please select an MP3 file to rename.</source>
        <translation>Veuillez sélectionner un fichier MP3 à renommer.</translation>
    </message>
    <message>
        <source>Please Select Only MP3 Files</source>
        <translation>Veuillez ne sélectionner que des fichiers MP3</translation>
    </message>
    <message>
        <source>Some of the file(s) selected were not MP3 files.  These files will not be processed.</source>
        <translation>Certains des fichiers sélectionnés ne sont pas des fichiers MP3. Ces fichiers ne seront pas traités.</translation>
    </message>
    <message>
        <source>ID3 Tags Required</source>
        <translation>Tags ID3 requis</translation>
    </message>
    <message>
        <source>Some of the file(s) selected are missing certain ID3 tags.  Do you wish to add these in now?

The file(s) will only be renamed once it has all required tags.</source>
        <translation>Certains des fichiers sélectionnés n&apos;ont pas tous les tags ID3 nécessaires. Voulez-vous les ajouter maintenant ?

Un fichier ne sera renommé qu&apos;une fois tous ses tags requis renseignés.</translation>
    </message>
    <message>
        <source>The run was stopped: %L1 of %L2 files were renamed.
</source>
        <translation>L&apos;opération a été arrêtée : %L1 fichiers sur %L2 ont été renommés.
</translation>
    </message>
    <message>
        <source>Files have been renamed as listed in the list displayed on the screen.
</source>
        <translation>Les fichiers ont été renommés comme indiqué dans la liste affichée à l&apos;écran.
</translation>
    </message>
    <message>
        <source>%1 file(s) could not be renamed.
</source>
        <translation>%1 fichier(s) n&apos;ont pas pu être renommés.
</translation>
    </message>
    <message>
        <source>Undo will not be available for this run.
</source>
        <translation>Ce renommage ne pourra pas être annulé.
</translation>
    </message>
    <message>
        <source>Rename Complete!</source>
        <translation>Renommage terminé !</translation>
    </message>
    <message>
        <source>Do you wish to rename more files?</source>
        <translation>Voulez-vous renommer d&apos;autres fichiers ?</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Cannot Launch MP3</source>
        <translation>Impossible d&apos;ouvrir le fichier MP3</translation>
    </message>
    <message>
        <source>Unable to launch MP3 file for previewing.</source>
        <translation>Impossible d&apos;ouvrir le fichier MP3 pour l&apos;écouter.</translation>
    </message>
</context>
<context>
    <name>UndoLastRename</name>
    <message>
        <source>in &quot;%1&quot;</source>
        <translation>dans « %1 »</translation>
    </message>
    <message>
        <source>in %1 folders under &quot;%2&quot;</source>
        <translation>dans %1 dossiers sous « %2 »</translation>
    </message>
    <message>
        <source>the rename run of %1</source>
        <translation>le renommage du %1</translation>
    </message>
    <message>
        <source>the last rename run</source>
        <translation>le dernier renommage</translation>
    </message>
    <message>
        <source>Undo Last Rename?</source>
        <translation>Annuler le dernier renommage ?</translation>
    </message>
    <message>
        <source>This will give %1 file(s) %2 back the names they had before %3.</source>
        <translation>Cela rendra à %1 fichier(s) %2 les noms qu&apos;ils avaient avant %3.</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Annuler le dernier renommage</translation>
    </message>
    <message>
        <source>The last rename run renamed no files: there is nothing to undo.</source>
        <translation>Le dernier renommage n&apos;a renommé aucun fichier : il n&apos;y a rien à annuler.</translation>
    </message>
    <message>
        <source>%1 file(s) have their old names again.</source>
        <translation>%1 fichier(s) ont retrouvé leur ancien nom.</translation>
    </message>
    <message>
        <source>
%1 file(s) could not be given their old names.</source>
        <translation>
%1 fichier(s) n&apos;ont pas pu retrouver leur ancien nom.</translation>
    </message>
    <message>
        <source>
%1 file(s) were left alone: they are no longer the files that were renamed.</source>
        <translation>
%1 fichier(s) ont été laissés tels quels : ce ne sont plus les fichiers qui avaient été renommés.</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>Annulation terminée</translation>
    </message>
    <message>
        <source>The record of the last rename run cannot be read, so no file was renamed.</source>
        <translation>Le journal du dernier renommage est illisible ; aucun fichier n&apos;a donc été renommé.</translation>
    </message>
    <message>
        <source>
It has been set aside as &quot;%1&quot;.</source>
        <translation>
Il a été mis de côté sous le nom « %1 ».</translation>
    </message>
</context>
<context>
    <name>frmEditID3Tags</name>
    <message>
        <source>Edit ID3 Tag Information</source>
        <translation>Modifier les informations du tag ID3</translation>
    </message>
    <message>
        <source>Error Getting Information</source>
        <translation>Erreur de lecture des informations</translation>
    </message>
    <message>
        <source>Unable to get file information.  Please close the application and re-try.</source>
        <translation>Impossible d&apos;obtenir les informations du fichier. Veuillez fermer l&apos;application et réessayer.</translation>
    </message>
    <message>
        <source>MP3 Information</source>
        <translation>Informations MP3</translation>
    </message>
    <message>
        <source>&amp;Save Tags</source>
        <translation>&amp;Enregistrer les tags</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Enter the ID3 tag information for the file: </source>
        <translation>Saisissez les informations du tag ID3 du fichier : </translation>
    </message>
    <message>
        <source>Click to preview file</source>
        <translation>Cliquez pour écouter le fichier</translation>
    </message>
    <message>
        <source>Players show this file&apos;s ID3v2 tag; tick Tools &gt; Read ID3v2 Tags to edit it.</source>
        <translation>Les lecteurs affichent le tag ID3v2 de ce fichier ; cochez Outils &gt; Lire les tags ID3v2 pour le modifier.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Song Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>The ID3 tag could not be written to %1: its volume does not let a file be replaced, so the longer tag cannot be written safely.</source>
        <translation>Le tag ID3 n&apos;a pas pu être écrit dans %1 : son volume ne permet pas de remplacer un fichier, le tag plus long ne peut donc pas être écrit sans risque.</translation>
    </message>
    <message>
        <source>The ID3 tag could not be written to %1.</source>
        <translation>Le tag ID3 n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Unable to Save Tags</source>
        <translation>Impossible d&apos;enregistrer les tags</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Edit ID3 Tag</source>
        <translation>&amp;Modifier le tag ID3</translation>
    </message>
    <message>
        <source>&amp;Listen to File</source>
        <translation>É&amp;couter le fichier</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>&amp;Explorer</translation>
    </message>
    <message>
        <source>&amp;Refresh Directory Contents</source>
        <translation>&amp;Actualiser le contenu du dossier</translation>
    </message>
</context>
<context>
    <name>frmNamePattern</name>
    <message>
        <source>The pattern needs at least one field, such as &lt;Title&gt;.</source>
        <translation>Le modèle doit contenir au moins un champ, par exemple &lt;Title&gt;.</translation>
    </message>
    <message>
        <source>A file name cannot hold &quot;/&quot;.</source>
        <translation>Un nom de fichier ne peut pas contenir « / ».</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not one of the fields.</source>
        <translation>&lt;%1&gt; ne fait pas partie des champs.</translation>
    </message>
    <message>
        <source>Own Naming Pattern</source>
        <translation>Modèle de nommage personnalisé</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <source>Fields: &lt;Artist&gt; &lt;Title&gt; &lt;Album&gt; &lt;Year&gt; &lt;Genre&gt; &lt;Track&gt;; other text stays as typed.</source>
        <translation>Champs : &lt;Artist&gt; &lt;Title&gt; &lt;Album&gt; &lt;Year&gt; &lt;Genre&gt; &lt;Track&gt; ; tout autre texte reste tel que saisi.</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom :</translation>
    </message>
    <message>
        <source>(no file is listed)</source>
        <translation>(aucun fichier listé)</translation>
    </message>
</context>
<context>
    <name>frmSelectFiles</name>
    <message>
        <source>Retrieving list of files, please wait...</source>
        <translation>Récupération de la liste des fichiers, veuillez patienter...</translation>
    </message>
    <message>
        <source>Listing stopped: %L1 of %L2 files listed.</source>
        <translation>Listage interrompu : %L1 fichiers sur %L2 listés.</translation>
    </message>
    <message>
        <source>%1 files listed in %2 folders.</source>
        <translation>%1 fichiers listés dans %2 dossiers.</translation>
    </message>
    <message>
        <source>%1 files listed.</source>
        <translation>%1 fichiers listés.</translation>
    </message>
    <message>
        <source>Own Pattern...</source>
        <translation>Modèle personnalisé...</translation>
    </message>
    <message>
        <source>Directory to Scan</source>
        <translation>Dossier à parcourir</translation>
    </message>
    <message>
        <source>&amp;Scan Directory for MP3 Files</source>
        <translation>&amp;Chercher les fichiers MP3 d&apos;un dossier</translation>
    </message>
    <message>
        <source>Select a directory containing MP3 files to tag/rename.</source>
        <translation>Choisissez un dossier contenant des fichiers MP3 à taguer ou à renommer.</translation>
    </message>
    <message>
        <source>File Naming Convention</source>
        <translation>Convention de nommage des fichiers</translation>
    </message>
    <message>
        <source>Select a naming convention to use for the MP3 files listed below.</source>
        <translation>Choisissez la convention de nommage à appliquer aux fichiers MP3 listés ci-dessous.</translation>
    </message>
    <message>
        <source>&amp;Force Tag Edit</source>
        <translation>Forcer la &amp;modification des tags</translation>
    </message>
    <message>
        <source>Setting this checkbox will force an automatic re-tagging of the ID3 tags for all files listed in the grid below.</source>
        <translation>Cocher cette case impose une nouvelle modification des tags ID3 de tous les fichiers listés dans la grille ci-dessous.</translation>
    </message>
    <message>
        <source>Process Files</source>
        <translation>Traiter les fichiers</translation>
    </message>
    <message>
        <source>&amp;Rename All Files</source>
        <translation>&amp;Renommer tous les fichiers</translation>
    </message>
    <message>
        <source>Begin renaming the files as shown above.</source>
        <translation>Commencer à renommer les fichiers comme indiqué ci-dessus.</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>Dossier actuel :</translation>
    </message>
    <message>
        <source>Explore the contents of this directory.</source>
        <translation>Explorer le contenu de ce dossier.</translation>
    </message>
    <message>
        <source>Files and their new names</source>
        <translation>Fichiers et leurs nouveaux noms</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Scan Directory</source>
        <translation>&amp;Chercher dans un dossier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Re&amp;fresh Directory</source>
        <translation>&amp;Actualiser le dossier</translation>
    </message>
    <message>
        <source>&amp;Undo Last Rename</source>
        <translation>Ann&amp;uler le dernier renommage</translation>
    </message>
    <message>
        <source>Read &amp;ID3v2 Tags</source>
        <translation>Lire les tags &amp;ID3v2</translation>
    </message>
    <message>
        <source>Include &amp;Subfolders</source>
        <translation>Inclure les &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Suggest New Features</source>
        <translation>&amp;Suggérer de nouvelles fonctions</translation>
    </message>
    <message>
        <source>&amp;Sorvane on the Web</source>
        <translation>Sorvane sur le &amp;Web</translation>
    </message>
    <message>
        <source>Select a directory to scan for MP3 files.</source>
        <translation>Choisissez un dossier dans lequel chercher des fichiers MP3.</translation>
    </message>
</context>
</TS>
