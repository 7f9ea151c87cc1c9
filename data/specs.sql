-- Manufacturer pick lists. TYPE 0 to 17 are the lists of the tab that describes a design;
-- a larger TYPE is the identifier of an armament item and lists its brands.

-- 0: Patchwork armour
INSERT INTO SPECS VALUES(0,'Mixed Plating Field Refit');
INSERT INTO SPECS VALUES(0,'Salvage Composite Plate');
INSERT INTO SPECS VALUES(0,'Varied Armor Patchwork');

-- 1: Chassis, standard structure
INSERT INTO SPECS VALUES(1,'Ardent Frame 100');
INSERT INTO SPECS VALUES(1,'Corvane Standard');
INSERT INTO SPECS VALUES(1,'Hallard Type 2');
INSERT INTO SPECS VALUES(1,'Ironvale Mark III');
INSERT INTO SPECS VALUES(1,'Keswick Light Frame');
INSERT INTO SPECS VALUES(1,'Meridian 40-L');
INSERT INTO SPECS VALUES(1,'Stonehall Heavy');
INSERT INTO SPECS VALUES(1,'Talwyn Assault Skeleton');

-- 2: Chassis, Endo Steel
INSERT INTO SPECS VALUES(2,'Corvane Endo');
INSERT INTO SPECS VALUES(2,'Ironvale Endo Mark V');
INSERT INTO SPECS VALUES(2,'Meridian Endo 60');
INSERT INTO SPECS VALUES(2,'Ostrava Lightweight Endo');
INSERT INTO SPECS VALUES(2,'Sarn Endo Steel Type K');

-- 3: Chassis, composite structure
INSERT INTO SPECS VALUES(3,'Brenholt Composite 2');
INSERT INTO SPECS VALUES(3,'Meridian Composite X');

-- 4: Chassis, reinforced structure
INSERT INTO SPECS VALUES(4,'Hallard Reinforced');
INSERT INTO SPECS VALUES(4,'Stonehall Bulwark R');

-- 5: Power plants
INSERT INTO SPECS VALUES(5,'Core Tek');
INSERT INTO SPECS VALUES(5,'DAV');
INSERT INTO SPECS VALUES(5,'GM');
INSERT INTO SPECS VALUES(5,'Hermes');
INSERT INTO SPECS VALUES(5,'Leenex');
INSERT INTO SPECS VALUES(5,'LTV');
INSERT INTO SPECS VALUES(5,'Magna');
INSERT INTO SPECS VALUES(5,'Nissan');
INSERT INTO SPECS VALUES(5,'Omni');
INSERT INTO SPECS VALUES(5,'Pitban');
INSERT INTO SPECS VALUES(5,'Strand');
INSERT INTO SPECS VALUES(5,'VOX');
INSERT INTO SPECS VALUES(5,'Vlar');
INSERT INTO SPECS VALUES(5,'Edevane');
INSERT INTO SPECS VALUES(5,'Kovar Drive Works');

-- 6: Jump jets
INSERT INTO SPECS VALUES(6,'Aldous Lift 5');
INSERT INTO SPECS VALUES(6,'Keswick Leap 2');
INSERT INTO SPECS VALUES(6,'Ridgeline Standard');
INSERT INTO SPECS VALUES(6,'Skyborne 30');
INSERT INTO SPECS VALUES(6,'Vaulter Mk. II');

-- 7: Improved jump jets
INSERT INTO SPECS VALUES(7,'Ridgeline Improved');
INSERT INTO SPECS VALUES(7,'Skyborne 50 Extended');

-- 8: Standard armour
INSERT INTO SPECS VALUES(8,'Duralith Standard');
INSERT INTO SPECS VALUES(8,'Kallen Heavy Plate');
INSERT INTO SPECS VALUES(8,'Parhelion Standard');
INSERT INTO SPECS VALUES(8,'Aegiscore I');
INSERT INTO SPECS VALUES(8,'Vigil Plate 3');

-- 9: Ferro-Fibrous armour
INSERT INTO SPECS VALUES(9,'Duralith Ferro');
INSERT INTO SPECS VALUES(9,'Kallen Ferro-Weave');
INSERT INTO SPECS VALUES(9,'Parhelion FF');
INSERT INTO SPECS VALUES(9,'Aegiscore Ferro');

-- 10: Light Ferro-Fibrous armour
INSERT INTO SPECS VALUES(10,'Duralith Light Ferro');
INSERT INTO SPECS VALUES(10,'Parhelion Light FF');

-- 11: Heavy Ferro-Fibrous armour
INSERT INTO SPECS VALUES(11,'Kallen Heavy Ferro');
INSERT INTO SPECS VALUES(11,'Aegiscore Heavy');

-- 12: Hardened armour
INSERT INTO SPECS VALUES(12,'Bastion Hardened');
INSERT INTO SPECS VALUES(12,'Kallen Citadel Plate');

-- 13: Laser reflective armour
INSERT INTO SPECS VALUES(13,'Glaze Reflective');
INSERT INTO SPECS VALUES(13,'Mirrorcoat II');

-- 14: Reactive armour
INSERT INTO SPECS VALUES(14,'Blastwall Reactive');
INSERT INTO SPECS VALUES(14,'Duralith Reactive');

-- 15: Communications systems
INSERT INTO SPECS VALUES(15,'Allon Vox 2');
INSERT INTO SPECS VALUES(15,'Corvane Linkmaster');
INSERT INTO SPECS VALUES(15,'Dalton Comm 5');
INSERT INTO SPECS VALUES(15,'Harlan Signal Suite');
INSERT INTO SPECS VALUES(15,'Keswick Talk-Net');
INSERT INTO SPECS VALUES(15,'Sentrix Farcall');

-- 16: Targeting and tracking systems
INSERT INTO SPECS VALUES(16,'Orrin Seeker');
INSERT INTO SPECS VALUES(16,'Corvane Trackpoint');
INSERT INTO SPECS VALUES(16,'Dalton TargetLock');
INSERT INTO SPECS VALUES(16,'Harlan Eye 4');
INSERT INTO SPECS VALUES(16,'Keswick Hunter');
INSERT INTO SPECS VALUES(16,'Sentrix Overwatch');

-- 17: Manufacturers
INSERT INTO SPECS VALUES(17,'Ardent Industries');
INSERT INTO SPECS VALUES(17,'Brenholt Works');
INSERT INTO SPECS VALUES(17,'Corvane Mechanics');
INSERT INTO SPECS VALUES(17,'Hallard Arsenal');
INSERT INTO SPECS VALUES(17,'Ironvale Foundries');
INSERT INTO SPECS VALUES(17,'Keswick Dynamics');
INSERT INTO SPECS VALUES(17,'Meridian Heavy Industries');
INSERT INTO SPECS VALUES(17,'Ostrava Combine');
INSERT INTO SPECS VALUES(17,'Sarn Armaments');
INSERT INTO SPECS VALUES(17,'Stonehall Manufacturing');
INSERT INTO SPECS VALUES(17,'Talwyn Fabrication');

-- 100: Flamer (Inner Sphere)
INSERT INTO SPECS VALUES(100,'Lumen Optics Heatlance');
INSERT INTO SPECS VALUES(100,'Ostrava Burnstick');

-- 101: Large Laser (Inner Sphere)
INSERT INTO SPECS VALUES(101,'Argent Lightline 5');
INSERT INTO SPECS VALUES(101,'Sarn Longbeam');
INSERT INTO SPECS VALUES(101,'Magnera Model L');

-- 102: Medium Laser (Inner Sphere)
INSERT INTO SPECS VALUES(102,'Argent Lightline 3');
INSERT INTO SPECS VALUES(102,'Lumen Optics Type 2');
INSERT INTO SPECS VALUES(102,'Magnera Model M');
INSERT INTO SPECS VALUES(102,'Sarn Shortbeam');

-- 103: Small Laser (Inner Sphere)
INSERT INTO SPECS VALUES(103,'Argent Lightline 1');
INSERT INTO SPECS VALUES(103,'Magnera Model S');

-- 104: PPC (Inner Sphere)
INSERT INTO SPECS VALUES(104,'Holloway Stormlance');
INSERT INTO SPECS VALUES(104,'Kovar Particle Cannon');
INSERT INTO SPECS VALUES(104,'Sarn Lance 10');

-- 200: ER Large Laser (Clan)
INSERT INTO SPECS VALUES(200,'Starfire Series 7');
INSERT INTO SPECS VALUES(200,'Keswick Heavy Beam');

-- 201: ER Medium Laser (Clan)
INSERT INTO SPECS VALUES(201,'Starfire Series 4');
INSERT INTO SPECS VALUES(201,'Keswick Beam Mk. 2');

-- 203: ER PPC (Clan)
INSERT INTO SPECS VALUES(203,'Starfire Tempest');
INSERT INTO SPECS VALUES(203,'Keswick Stormcaller');

-- 300: Autocannon/2 (Inner Sphere)
INSERT INTO SPECS VALUES(300,'Ironvale Rifle 2');
INSERT INTO SPECS VALUES(300,'Rendell Light Cannon');

-- 301: Autocannon/5 (Inner Sphere)
INSERT INTO SPECS VALUES(301,'Ironvale Rifle 5');
INSERT INTO SPECS VALUES(301,'Rendell Medium Cannon');

-- 302: Autocannon/10 (Inner Sphere)
INSERT INTO SPECS VALUES(302,'Ironvale Rifle 10');
INSERT INTO SPECS VALUES(302,'Rendell Heavy Cannon');

-- 303: Autocannon/20 (Inner Sphere)
INSERT INTO SPECS VALUES(303,'Hallard Crusher 20');
INSERT INTO SPECS VALUES(303,'Rendell Siege Cannon');

-- 304: Machine Gun (Inner Sphere)
INSERT INTO SPECS VALUES(304,'Corvane Rattler');
INSERT INTO SPECS VALUES(304,'Ostrava Chatter');

-- 305: Gauss Rifle (Inner Sphere)
INSERT INTO SPECS VALUES(305,'Hallard Rail 15');
INSERT INTO SPECS VALUES(305,'Meridian Driver');

-- 400: Gauss Rifle (Clan)
INSERT INTO SPECS VALUES(400,'Starfire Rail');
INSERT INTO SPECS VALUES(400,'Keswick Magnacoil');

-- 500: LRM 5 (Inner Sphere)
INSERT INTO SPECS VALUES(500,'Skyfall 5');
INSERT INTO SPECS VALUES(500,'Talwyn Arc-5');

-- 501: LRM 10 (Inner Sphere)
INSERT INTO SPECS VALUES(501,'Skyfall 10');
INSERT INTO SPECS VALUES(501,'Talwyn Arc-10');

-- 502: LRM 15 (Inner Sphere)
INSERT INTO SPECS VALUES(502,'Skyfall 15');
INSERT INTO SPECS VALUES(502,'Talwyn Arc-15');

-- 503: LRM 20 (Inner Sphere)
INSERT INTO SPECS VALUES(503,'Skyfall 20');
INSERT INTO SPECS VALUES(503,'Talwyn Arc-20');

-- 600: LRM 5 (Clan)
INSERT INTO SPECS VALUES(600,'Starfire Volley 5');

-- 603: LRM 20 (Clan)
INSERT INTO SPECS VALUES(603,'Starfire Volley 20');

-- 700: SRM 2 (Inner Sphere)
INSERT INTO SPECS VALUES(700,'Quillon Twin');
INSERT INTO SPECS VALUES(700,'Vexa Dart 2');

-- 701: SRM 4 (Inner Sphere)
INSERT INTO SPECS VALUES(701,'Quillon Quad');
INSERT INTO SPECS VALUES(701,'Vexa Dart 4');

-- 702: SRM 6 (Inner Sphere)
INSERT INTO SPECS VALUES(702,'Quillon Six');
INSERT INTO SPECS VALUES(702,'Vexa Dart 6');

-- 803: Streak SRM 2 (Clan)
INSERT INTO SPECS VALUES(803,'Starfire Seeker 2');
